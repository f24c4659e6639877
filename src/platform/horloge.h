#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>

// Time as the program sees it: pauses between renamed files, letting pending window events
// run, one-shot timers and waits for a flag. The test clock costs no time.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual void Pause(int millisecondes) = 0;
    virtual void TraiterEvenements() = 0;
    // Lets windows repaint without taking the user's clicks and keys: what a batch allows
    // between two files, so that nothing changes the folder or the list under it.
    virtual void TraiterAffichage() = 0;
    // Runs action once after the delay, unless contexte is destroyed first.
    virtual void Differer(int millisecondes, QObject* contexte, std::function<void()> action) = 0;
    // Lets events run until condition() holds (a window's button sets the flag).
    virtual void AttendreQue(const std::function<bool()>& condition) = 0;
    // The date and time of day that names what the program makes (a batch's folder).
    virtual QDateTime Maintenant() { return QDateTime::currentDateTime(); }
};
