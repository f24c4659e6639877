#pragma once

#include <QElapsedTimer>

#include <algorithm>

// The position of a sound that no device lets anyone hear: time runs from Demarrer on, up to
// the sound's duration.
class HorlogeLecture {
public:
    void Demarrer() { m_chrono.start(); }
    void Arreter() {
        m_chrono.invalidate();
        m_depart = 0;
    }
    void Definir(double secondes) {
        m_depart = secondes;
        if (m_chrono.isValid())
            m_chrono.restart();
    }
    double Position(double duree) const {
        const double ecoule = m_chrono.isValid() ? double(m_chrono.elapsed()) / 1000 : 0;
        return std::clamp(m_depart + ecoule, 0.0, std::max(duree, 0.0));
    }

private:
    QElapsedTimer m_chrono;
    double m_depart = 0;
};
