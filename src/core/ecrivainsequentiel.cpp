#include "ecrivainsequentiel.h"

#include <charconv>
#include <cmath>

void EcrivainSequentiel::separer() {
    if (!m_premier)
        m_ligne += ',';
    m_premier = false;
}

void EcrivainSequentiel::texte(const QString& valeur) {
    separer();
    // A double quote inside a string is doubled; the reader takes "" back as one quote,
    // so a path or a font name holding a quote no longer shifts every field after it.
    QString doublee = valeur;
    doublee.replace(QLatin1Char('"'), QLatin1String("\"\""));
    m_ligne += '"';
    m_ligne += doublee.toUtf8();
    m_ligne += '"';
}

void EcrivainSequentiel::entier(qint64 valeur) {
    separer();
    m_ligne += QByteArray::number(valeur);
}

void EcrivainSequentiel::reel(float valeur) {
    separer();
    // Only what the reader takes back: an infinite or undefined value would make it refuse
    // this field and every later one.
    if (!std::isfinite(valeur)) {
        m_ligne += '0';
        return;
    }
    char tampon[64];
    auto [fin, erreur] = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    if (erreur != std::errc()) {
        m_ligne += '0';
        return;
    }
    m_ligne += QByteArray(tampon, int(fin - tampon));
}

void EcrivainSequentiel::booleen(bool valeur) {
    separer();
    m_ligne += valeur ? "#TRUE#" : "#FALSE#";
}

QByteArray EcrivainSequentiel::ligne() const {
    return m_ligne + "\r\n";
}
