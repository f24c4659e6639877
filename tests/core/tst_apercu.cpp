#include "apercu.h"
#include "preselection.h"
#include "son.h"
#include "tempsmidi.h"

#include <QTest>

#include <cmath>

namespace {

// A MIDI file of tracks shorter than 256 bytes, each given in hexadecimal.
QByteArray midi(const QByteArray& division, const QList<QByteArray>& pistes) {
    QByteArray m = QByteArray::fromHex("4d546864 00000006 0001") + char(0) + char(pistes.size()) +
                   QByteArray::fromHex(division);
    for (const QByteArray& p : pistes)
        m += "MTrk" + QByteArray(3, '\0') + char(QByteArray::fromHex(p).size()) +
             QByteArray::fromHex(p);
    return m;
}

} // namespace

class TstApercu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ajustement();
    void textes();
    void preselection();
    void tempsMidi();
};

void TstApercu::ajustement() {
    // Photo, frame, enlarged to fill, size shown.
    const QSizeF apercu(200, 145);
    for (const auto& [photo, cadre, remplir, attendu] : {
             std::tuple{QSizeF(100, 80), apercu, false, QSizeF(100, 80)},
             {QSizeF(400, 300), apercu, false, QSizeF(193.33333, 145)},
             {QSizeF(100, 80), QSizeF(800, 600), true, QSizeF(750, 600)},
         }) {
        const QSizeF t =
            TailleAffichee(photo.width(), photo.height(), cadre.width(), cadre.height(), remplir);
        QVERIFY2(qAbs(t.width() - attendu.width()) < 1e-3 &&
                     qAbs(t.height() - attendu.height()) < 1e-3,
                 qPrintable(QStringLiteral("%1 x %2").arg(t.width()).arg(t.height())));
    }
    QCOMPARE(TailleAffichee(10, 0, 200, 145), QSizeF());
    QCOMPARE(CadreCentre(712, 265, QSizeF(100, 80)), QRectF(306, 92.5, 100, 80));
}

void TstApercu::textes() {
    for (const auto& [octets, texte] : {
             std::pair{qint64(999), "999  octets"},
             {1000, "1,00  Ko"},
             {1000000, "1,00 Mo"},
         })
        QCOMPARE(FormatTaille(octets), QString(texte));
    QCOMPARE(PauseChargement(999999), 100);
    QCOMPARE(PauseChargement(2000000), 20);
    QVERIFY(EstNombre("-7") && EstNombre("00"));
    QVERIFY(!EstNombre("abc") && !EstNombre(""));

    // Seconds, time played, cursor maximum, length shown; halves go to the even second.
    for (const auto& [secondes, ecoule, maximum, duree] : {
             std::tuple{2.5, "00:02", 2, "00:02"},
             {3.5, "00:04", 4, "00:04"},
             {std::nan(""), "00:00", 1, "00:00"},
             {3600.0, "60:00", 3600, "1:00:00"},
         }) {
        QCOMPARE(TempsEcoule(secondes), QString(ecoule));
        QCOMPARE(TexteDuree(secondes), QString(duree));
        QCOMPARE(MaximumCurseur(secondes), maximum);
    }

    for (const char* nom : {"a.mp3", "B.WAV", "c.Mid", "chant.mp3.mp3"})
        QVERIFY2(EstFichierSon(nom), nom);
    for (const char* nom : {"a.midi", "a.mp3   [M]", "mp3.jpg", ""})
        QVERIFY2(!EstFichierSon(nom), nom);
    // The cursor as drawn: 75..255 across, its top at 750 and 120 high, its centre between
    // 180 and 915; the pointer's height puts its centre, kept on the track.
    CurseurVolume c;
    QVERIFY(c.Contient(75, 750) && c.Contient(255, 870) && c.Contient(160, 810));
    QVERIFY(!c.Contient(74, 800) && !c.Contient(256, 800) && !c.Contient(160, 749) &&
            !c.Contient(160, 871));
    QCOMPARE(c.Volume(), 14);
    c.Suivre(547);
    QCOMPARE(c.haut, 487);
    QCOMPARE(c.Volume(), 50);
}

void TstApercu::preselection() {
    using R = RegleSelection;
    // Name, rule, start and end typed, selection start and length.
    for (const auto& [nom, regle, debut, fin, s, l] : {
             std::tuple{"IMG_0001.jpg   [M]", R::Optimale, "", "", 0, 8},
             {"012 _ Plage.jpg   [M]", R::ListeIncrementee, "", "", 6, 5},
             // A caret alone, counted from the end.
             {"Plage.jpg", R::Personnalisee, "-7", "00", 2, 0},
             {"abcdefg", R::Personnalisee, "2", "-3", 2, 3},
         }) {
        const Selection r = Preselection(nom, regle, " _ ", debut, fin);
        QCOMPARE(r.debut, s);
        QCOMPARE(r.longueur, l);
    }
}

void TstApercu::tempsMidi() {
    const QByteArray noire = "00903c40 8140803c40 00ff2f00";
    // The file, its length in seconds (negative: refused), the tick at one second.
    for (const auto& [octets, duree, tickUneSeconde] : {
             std::tuple{midi("0060", {noire}), 1.0, 192},
             // A slower tempo in another track, running status, timecode (25 frames of 40).
             {midi("0060", {"00ff510307a120 60ff51030f4240 00ff2f00", noire}), 1.5, 144},
             {midi("e728", {"8768ff2f00"}), 1.0, 1000},
             // Cut in the middle of an event.
             {midi("0060", {noire}).chopped(5), 0.0, 192},
             {QByteArray(), -1.0, 0},
             {midi("0000", {noire}), -1.0, 0},
         }) {
        const auto t = TempsMidi::Lire(octets);
        QCOMPARE(t.has_value(), duree >= 0);
        if (!t)
            continue;
        QCOMPARE(t->Duree(), duree);
        QCOMPARE(t->Tick(1.0), qint64(tickUneSeconde));
        QCOMPARE(t->Secondes(tickUneSeconde), 1.0);
    }
}

QTEST_GUILESS_MAIN(TstApercu)
#include "tst_apercu.moc"
