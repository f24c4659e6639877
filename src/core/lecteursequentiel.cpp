#include "lecteursequentiel.h"

#include <algorithm>
#include <cmath>
#include <limits>

LecteurSequentiel::LecteurSequentiel(const QByteArray& contenu) : m_contenu(contenu) {}

static bool estFinDeChamp(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

std::optional<QByteArray> LecteurSequentiel::champ(bool* quoted) {
    const qsizetype n = m_contenu.size();
    // Blank lines and spaces between fields are skipped.
    while (m_pos < n && (m_contenu[m_pos] == ' ' || m_contenu[m_pos] == '\t' ||
                         m_contenu[m_pos] == '\r' || m_contenu[m_pos] == '\n'))
        ++m_pos;
    if (m_pos >= n)
        return std::nullopt;

    QByteArray valeur;
    if (m_contenu[m_pos] == '"') {
        ++m_pos;
        bool ferme = false;
        while (m_pos < n) {
            const char c = m_contenu[m_pos++];
            if (c == '"') {
                if (m_pos < n && m_contenu[m_pos] == '"') {
                    valeur += '"';
                    ++m_pos;
                    continue;
                }
                ferme = true;
                break;
            }
            valeur += c;
        }
        if (!ferme)
            return std::nullopt;
        // Anything between the closing quote and the separator is dropped.
        while (m_pos < n && !estFinDeChamp(m_contenu[m_pos]))
            ++m_pos;
        if (quoted)
            *quoted = true;
    } else {
        const qsizetype debut = m_pos;
        while (m_pos < n && !estFinDeChamp(m_contenu[m_pos]))
            ++m_pos;
        valeur = m_contenu.mid(debut, m_pos - debut).trimmed();
        if (quoted)
            *quoted = false;
    }
    if (m_pos < n && m_contenu[m_pos] == ',')
        ++m_pos;
    return valeur;
}

std::optional<QString> LecteurSequentiel::texte() {
    const auto brut = champ();
    if (!brut)
        return std::nullopt;
    return QString::fromUtf8(*brut);
}

std::optional<double> LecteurSequentiel::nombre() {
    bool quoted = false;
    const auto brut = champ(&quoted);
    if (!brut || quoted)
        return std::nullopt;
    if (brut->isEmpty())
        return 0.0;
    if (*brut == "#TRUE#")
        return -1.0;
    if (*brut == "#FALSE#")
        return 0.0;
    bool ok = false;
    const double valeur = brut->toDouble(&ok);
    if (!ok || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

std::optional<qint64> LecteurSequentiel::entier(qint64 minimum, qint64 maximum) {
    const auto valeur = nombre();
    if (!valeur)
        return std::nullopt;
    const double arrondi = std::round(*valeur);
    if (arrondi < double(minimum) || arrondi > double(maximum))
        return std::nullopt;
    return qint64(arrondi);
}

std::optional<float> LecteurSequentiel::reel() {
    const auto valeur = nombre();
    if (!valeur)
        return std::nullopt;
    // The shortest text of the largest float ("3.4028235e+38") reads as a double just above
    // it: up to half a step beyond, the value rounds to it rather than being refused.
    constexpr double Plus = double(std::numeric_limits<float>::max());
    const double limite =
        Plus + (Plus - double(std::nextafter(std::numeric_limits<float>::max(), 0.0f))) / 2;
    if (std::fabs(*valeur) > limite)
        return std::nullopt;
    return float(std::clamp(*valeur, -Plus, Plus));
}

std::optional<bool> LecteurSequentiel::booleen() {
    const auto valeur = nombre();
    if (!valeur)
        return std::nullopt;
    return *valeur != 0.0;
}
