#include "disposition.h"
#include "historiquedossiers.h"

#include <QTest>

class TstDisposition : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ecrans();
    void historique();
};

void TstDisposition::ecrans() {
    // The window as designed, 15360 x 11120 twips, on a screen: the target size in twips,
    // the horizontal scale, the screen's scales.
    for (const auto& [ecran, largeur, hauteur, echelleX, ecranX, ecranY] : {
             std::tuple{QSize(1280, 1024), 15360, 11120, 1.0, 1.6, 1.706667},
             {QSize(800, 600), 12000, 8600, 0.78125, 1.0, 1.0},
             // Beyond 16 bits.
             {QSize(1920, 1080), 15360, 11120, 1.0, 2.4, 1.8},
         }) {
        const Disposition d = CalculerDisposition(15360, 11120, ecran);
        QCOMPARE(d.LargeurCible, largeur);
        QCOMPARE(d.HauteurCible, hauteur);
        QCOMPARE(d.EchelleX, float(echelleX));
        QCOMPARE(d.EchelleY, float(double(hauteur) / 11120));
        QVERIFY(qAbs(d.EchelleEcranX - ecranX) < 1e-4);
        QVERIFY(qAbs(d.EchelleEcranY - ecranY) < 1e-4);
    }

    const std::array<int, 3> gris{64, 64, 64};
    const std::array<int, 3> or_{253, 220, 106};
    // 100 rows, 13 left at the bottom: row 0 is the start, row 87 the end.
    QCOMPARE(CouleurDegrade(gris, or_, 0, 13, 100, 0), (std::array<int, 3>{64, 64, 64}));
    QCOMPARE(CouleurDegrade(gris, or_, 0, 13, 100, 87), (std::array<int, 3>{253, 220, 106}));
    QCOMPARE(CouleurDegrade(gris, or_, 0, 13, 100, 29), (std::array<int, 3>{127, 116, 78}));
    // No rows to spread over: the start colour, no division by zero.
    QCOMPARE(CouleurDegrade(gris, or_, 10, 10, 20, 10), gris);
}

void TstDisposition::historique() {
    HistoriqueDossiers h;
    QVERIFY(!h.PeutReculer() && !h.PeutAvancer());
    h.Enregistrer("/A");
    h.Enregistrer("/B");
    h.Enregistrer("/C");
    QCOMPARE(h.PosHistorique(), 2);
    QCOMPARE(h.Reculer(), QString("/B"));
    QCOMPARE(h.Reculer(), QString("/A"));
    QVERIFY(!h.PeutReculer());
    QCOMPARE(h.Reculer(), QString());
    QCOMPARE(h.Avancer(), QString("/B"));
    QVERIFY(h.PeutAvancer());
    // A new folder goes at the end even from further back.
    h.Enregistrer("/D");
    QCOMPARE(h.Historique(), QStringList({"/A", "/B", "/C", "/D"}));
    QCOMPARE(h.PosHistorique(), 3);
    QVERIFY(!h.PeutAvancer());
    h.Reinitialiser("/E");
    QCOMPARE(h.Historique(), QStringList({"/E"}));
    QVERIFY(!h.PeutReculer() && !h.PeutAvancer());
}

QTEST_GUILESS_MAIN(TstDisposition)
#include "tst_disposition.moc"
