#include "apercu.h"
#include "preselection.h"

#include <QTest>

class TstApercu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ajustement();
    void textes();
    void preselection();
};

void TstApercu::ajustement() {
    // Photo, frame, enlarged to fill, size shown.
    const QSizeF apercu(200, 145);
    for (const auto& [photo, cadre, remplir, attendu] : {
             std::tuple{QSizeF(100, 80), apercu, false, QSizeF(100, 80)},
             {QSizeF(400, 300), apercu, false, QSizeF(193.33333, 145)},
             {QSizeF(400, 100), apercu, false, QSizeF(200, 50)},
             {QSizeF(200, 100), apercu, false, QSizeF(200, 100)},
             {QSizeF(100, 400), apercu, false, QSizeF(36.25, 145)},
             {QSizeF(100, 80), QSizeF(800, 600), true, QSizeF(750, 600)},
         }) {
        const QSizeF t =
            TailleAffichee(photo.width(), photo.height(), cadre.width(), cadre.height(), remplir);
        QVERIFY2(qAbs(t.width() - attendu.width()) < 1e-3 &&
                     qAbs(t.height() - attendu.height()) < 1e-3,
                 qPrintable(QStringLiteral("%1 x %2").arg(t.width()).arg(t.height())));
    }
    QCOMPARE(TailleAffichee(0, 10, 200, 145), QSizeF());
    QCOMPARE(TailleAffichee(10, 0, 200, 145), QSizeF());
    // A 100 x 80 picture centred on (356, 132.5).
    QCOMPARE(CadreCentre(712, 265, QSizeF(100, 80)), QRectF(306, 92.5, 100, 80));
}

void TstApercu::textes() {
    for (const auto& [octets, texte] : {
             std::pair{qint64(0), "0  octets"},
             {999, "999  octets"},
             {1000, "1,00  Ko"},
             {999999, "1000,00  Ko"},
             {1000000, "1,00 Mo"},
             {5000000000, "5000,00 Mo"},
         })
        QCOMPARE(FormatTaille(octets), QString(texte));
    QCOMPARE(LigneInformations(1234567, 3000, 2000, "12/07/2019 08:00:00"),
             QString("1,23 Mo      L = 3000  x  H = 2000      Date : 12/07/2019 08:00:00"));
    QCOMPARE(PauseChargement(500000), 50);
    QCOMPARE(PauseChargement(999999), 100);
    QCOMPARE(PauseChargement(2000000), 20);
    // Only the last "/ " goes: the space before it stays.
    QCOMPARE(DecrireLiaison(" _ "), QString("espace / tiret bas / espace "));
    QCOMPARE(DecrireLiaison("-"), QString("tiret 6 "));
    QCOMPARE(DecrireLiaison("x"), QString("x"));
    QVERIFY(EstNombre("-7") && EstNombre("00"));
    QVERIFY(!EstNombre("abc") && !EstNombre(""));
}

void TstApercu::preselection() {
    const auto opt = RegleSelection::Optimale;
    const auto inc = RegleSelection::ListeIncrementee;
    const auto perso = RegleSelection::Personnalisee;
    // Name, rule, start and end typed, selection start and length.
    for (const auto& [nom, regle, debut, fin, s, l] : {
             std::tuple{"IMG_0001.jpg   [M]", opt, "", "", 0, 8},
             {"012 _ Plage.jpg", inc, "", "", 6, 5},
             {"012 _ Plage.jpg   [M]", inc, "", "", 6, 5},
             {"Plage.jpg", inc, "", "", 12, -7},
             // A caret alone, counted from the end.
             {"Plage.jpg", perso, "-7", "00", 2, 0},
             {"abcdefg", perso, "2", "-3", 2, 3},
             {"abcdefg   [M]", perso, "0", "4", 0, 3},
         }) {
        const Selection r = Preselection(nom, regle, " _ ", debut, fin);
        QCOMPARE(r.debut, s);
        QCOMPARE(r.longueur, l);
    }
}

QTEST_GUILESS_MAIN(TstApercu)
#include "tst_apercu.moc"
