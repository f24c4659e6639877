#include "disposition.h"
#include "historiquedossiers.h"

#include <QTest>

class TstDisposition : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ecrans_data();
    void ecrans();
    void degrade();
    void historique();
};

void TstDisposition::ecrans_data() {
    QTest::addColumn<QSize>("ecran");
    QTest::addColumn<int>("largeurCible");
    QTest::addColumn<int>("hauteurCible");
    QTest::addColumn<double>("echelleX");
    QTest::addColumn<double>("echelleEcranX");
    QTest::addColumn<double>("echelleEcranY");
    // The window as designed: 15360 x 11120 twips.
    QTest::newRow("1280 x 1024") << QSize(1280, 1024) << 15360 << 11120 << 1.0 << 1.6
                                 << 1.706667;
    QTest::newRow("800 x 600") << QSize(800, 600) << 12000 << 8600 << 0.78125 << 1.0 << 1.0;
    QTest::newRow("1920 x 1080, beyond 16 bits")
        << QSize(1920, 1080) << 15360 << 11120 << 1.0 << 2.4 << 1.8;
    QTest::newRow("640 x 480") << QSize(640, 480) << 9600 << 6800 << 0.625 << 0.8 << 0.8;
}

void TstDisposition::ecrans() {
    QFETCH(QSize, ecran);
    QFETCH(int, largeurCible);
    QFETCH(int, hauteurCible);
    QFETCH(double, echelleX);
    QFETCH(double, echelleEcranX);
    QFETCH(double, echelleEcranY);
    const Disposition d = CalculerDisposition(15360, 11120, ecran);
    QCOMPARE(d.LargeurCible, largeurCible);
    QCOMPARE(d.HauteurCible, hauteurCible);
    QCOMPARE(d.EchelleX, float(echelleX));
    QCOMPARE(d.EchelleY, float(double(hauteurCible) / 11120));
    QVERIFY(qAbs(d.EchelleEcranX - echelleEcranX) < 1e-4);
    QVERIFY(qAbs(d.EchelleEcranY - echelleEcranY) < 1e-4);
}

void TstDisposition::degrade() {
    const std::array<int, 3> gris{64, 64, 64};
    const std::array<int, 3> or_{253, 220, 106};
    // 100 rows, 13 left at the bottom: row 0 is the start, row 87 the end.
    QCOMPARE(CouleurDegrade(gris, or_, 0, 13, 100, 0), (std::array<int, 3>{64, 64, 64}));
    QCOMPARE(CouleurDegrade(gris, or_, 0, 13, 100, 87), (std::array<int, 3>{253, 220, 106}));
    QCOMPARE(CouleurDegrade(gris, or_, 0, 13, 100, 29), (std::array<int, 3>{127, 116, 78}));
    QCOMPARE(CouleurDegrade(gris, gris, 0, 30, 741, 500), gris);
    // No rows to spread over: the start colour, no division by zero.
    QCOMPARE(CouleurDegrade(gris, or_, 10, 10, 20, 10), gris);
}

void TstDisposition::historique() {
    HistoriqueDossiers h;
    QVERIFY(!h.PeutReculer());
    QVERIFY(!h.PeutAvancer());
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
    QVERIFY(!h.PeutReculer());
    QVERIFY(!h.PeutAvancer());
}

QTEST_GUILESS_MAIN(TstDisposition)
#include "tst_disposition.moc"
