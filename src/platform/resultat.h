#pragma once

#include <QString>

// The outcome of an effect on the system: success, or the system's reason for refusing.
struct Resultat {
    bool ok = true;
    QString message;

    static Resultat reussite() { return {}; }
    static Resultat echec(const QString& raison) { return {false, raison}; }
    explicit operator bool() const { return ok; }
};
