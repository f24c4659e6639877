#pragma once

#include "horloge.h"

class HorlogeQt : public Horloge {
public:
    void Pause(int millisecondes) override;
    void TraiterEvenements() override;
    void TraiterAffichage() override;
    void Differer(int millisecondes, QObject* contexte, std::function<void()> action) override;
    void AttendreQue(const std::function<bool()>& condition) override;
};
