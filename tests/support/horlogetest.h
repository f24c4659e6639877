#pragma once

#include "horloge.h"

#include <QList>
#include <QPointer>

// A clock that costs no time: pauses only add up, timers wait until the test fires them.
class HorlogeTest : public Horloge {
public:
    void Pause(int millisecondes) override { m_pauses += millisecondes; }
    void TraiterEvenements() override;
    void TraiterAffichage() override { TraiterEvenements(); }
    void Differer(int millisecondes, QObject* contexte, std::function<void()> action) override;
    // Processes events until the condition holds; gives up (and says so) instead of blocking.
    void AttendreQue(const std::function<bool()>& condition) override;
    QDateTime Maintenant() override { return maintenant; }
    QDateTime maintenant{QDate(2024, 1, 9), QTime(14, 7)};

    // Fires every pending timer, in the order they were set.
    void declencher();
    int minuteriesEnAttente() const { return int(m_minuteries.size()); }
    QList<int> delais() const;
    qint64 pauses() const { return m_pauses; }
    bool attenteAbandonnee() const { return m_abandon; }

private:
    struct Minuterie {
        int delai;
        QPointer<QObject> contexte;
        std::function<void()> action;
    };
    QList<Minuterie> m_minuteries;
    qint64 m_pauses = 0;
    bool m_abandon = false;
};
