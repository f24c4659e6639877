#pragma once

#include "lecteurson.h"

#include <QFileInfo>
#include <QHash>
#include <QStringList>

// A player that plays nothing: the test gives each file's duration and the position; every
// load, play and release is recorded, with whether the file was still there when let go.
class LecteurSonTest : public LecteurSon {
public:
    void Charger(const QString& chemin) override {
        fichier = chemin;
        journal.append(QStringLiteral("Charger ") + QFileInfo(chemin).fileName());
    }
    void Liberer() override {
        Arreter();
        journal.append(QStringLiteral("Liberer ") + QFileInfo(fichier).fileName() +
                       (QFileInfo::exists(fichier) ? QString() : QStringLiteral(" (parti)")));
    }
    void Jouer() override {
        enLecture = true;
        journal.append(QStringLiteral("Jouer"));
    }
    void Arreter() override {
        enLecture = false;
        position = 0;
    }
    double Duree() const override { return durees.value(QFileInfo(fichier).fileName()); }
    double Position() const override { return position; }
    void DefinirPosition(double secondes) override { position = secondes; }
    void DefinirVolume(int v) override { volume = v; }

    QHash<QString, double> durees;
    QStringList journal;
    QString fichier;
    double position = 0;
    int volume = -1;
    bool enLecture = false;
};
