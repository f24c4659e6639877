#include "horlogeqt.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void HorlogeQt::Pause(int millisecondes) {
    // Windows still repaint during the pause, but no click reaches a command meanwhile.
    QEventLoop boucle;
    QTimer::singleShot(millisecondes, &boucle, &QEventLoop::quit);
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
}

void HorlogeQt::TraiterEvenements() {
    QCoreApplication::processEvents();
}

void HorlogeQt::TraiterAffichage() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void HorlogeQt::Differer(int millisecondes, QObject* contexte, std::function<void()> action) {
    QTimer::singleShot(millisecondes, contexte, std::move(action));
}

void HorlogeQt::AttendreQue(const std::function<bool()>& condition) {
    while (!condition())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
