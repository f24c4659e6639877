#include "horlogetest.h"

#include <QCoreApplication>

void HorlogeTest::TraiterEvenements() {
    QCoreApplication::processEvents();
}

void HorlogeTest::Differer(int millisecondes, QObject* contexte, std::function<void()> action) {
    m_minuteries.append({millisecondes, contexte, std::move(action)});
}

void HorlogeTest::AttendreQue(const std::function<bool()>& condition) {
    for (int tour = 0; tour < 1000 && !condition(); ++tour)
        QCoreApplication::processEvents();
    if (!condition())
        m_abandon = true;
}

void HorlogeTest::declencher() {
    const QList<Minuterie> a = std::exchange(m_minuteries, {});
    for (const Minuterie& m : a)
        if (m.contexte)
            m.action();
}

QList<int> HorlogeTest::delais() const {
    QList<int> d;
    for (const Minuterie& m : m_minuteries)
        d.append(m.delai);
    return d;
}
