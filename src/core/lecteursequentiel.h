#pragma once

#include <QByteArray>
#include <QString>
#include <limits>
#include <optional>
#include <type_traits>

// Reads the fields of a settings file written by EcrivainSequentiel, one after another.
// Each read answers nothing when the field is missing or cannot be converted to the type
// asked for; the caller then stops and keeps what it read so far, so a damaged file never
// fails the program. LF alone is accepted as a line end.
class LecteurSequentiel {
public:
    explicit LecteurSequentiel(const QByteArray& contenu);

    std::optional<QString> texte();
    // Whole numbers within [minimum, maximum]; a decimal field is rounded half away from
    // zero. An empty field reads as 0.
    std::optional<qint64> entier(qint64 minimum, qint64 maximum);
    std::optional<float> reel();
    std::optional<bool> booleen();

    // Reads into a variable, which changes only when its field converts. Once a field has
    // failed, every later read fails too, so "the values read so far" stay and the rest keep
    // their defaults.
    bool lire(QString& v) { return retenir(texte(), v); }
    bool lire(float& v) { return retenir(reel(), v); }
    bool lire(bool& v) { return retenir(booleen(), v); }
    template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool>) bool lire(T& v) {
        if (m_echec)
            return false;
        return retenir(entier(std::numeric_limits<T>::min(), std::numeric_limits<T>::max()), v);
    }
    // How many fields lire() has taken.
    int lus() const { return m_lus; }

private:
    template <typename R, typename T> bool retenir(const std::optional<R>& r, T& v) {
        if (m_echec || !r) {
            m_echec = true;
            return false;
        }
        v = T(*r);
        ++m_lus;
        return true;
    }
    // The next raw field; quoted reports whether it stood between quotes.
    std::optional<QByteArray> champ(bool* quoted = nullptr);
    std::optional<double> nombre();

    QByteArray m_contenu;
    qsizetype m_pos = 0;
    bool m_echec = false;
    int m_lus = 0;
};
