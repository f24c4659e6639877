#pragma once

#include <QByteArray>
#include <QString>

// Writes one line of a settings file: comma-separated fields, strings in double quotes,
// integers plain, single-precision numbers in their shortest form with a point, booleans as
// #TRUE# / #FALSE#, the line ended by CR LF. The text is UTF-8.
class EcrivainSequentiel {
public:
    void texte(const QString& valeur);
    void entier(qint64 valeur);
    void reel(float valeur);
    void booleen(bool valeur);

    // The finished line, CR LF included.
    QByteArray ligne() const;

private:
    void separer();
    QByteArray m_ligne;
    bool m_premier = true;
};
