#include "apercu.h"
#include "preselection.h"

#include <QTest>

class TstApercu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ajustement_data();
    void ajustement();
    void centrage();
    void tailles_data();
    void tailles();
    void ligne();
    void pauses();
    void preselection_data();
    void preselection();
    void liaison();
};

void TstApercu::ajustement_data() {
    QTest::addColumn<QSizeF>("photo");
    QTest::addColumn<QSizeF>("cadre");
    QTest::addColumn<bool>("remplir");
    QTest::addColumn<QSizeF>("attendu");
    const QSizeF apercu(200, 145);
    QTest::newRow("plus petite: sa taille")
        << QSizeF(100, 80) << apercu << false << QSizeF(100, 80);
    QTest::newRow("limitée par la hauteur")
        << QSizeF(400, 300) << apercu << false << QSizeF(193.33333, 145);
    QTest::newRow("limitée par la largeur")
        << QSizeF(400, 100) << apercu << false << QSizeF(200, 50);
    QTest::newRow("exactement la largeur du cadre")
        << QSizeF(200, 100) << apercu << false << QSizeF(200, 100);
    QTest::newRow("haute et étroite") << QSizeF(100, 400) << apercu << false << QSizeF(36.25, 145);
    QTest::newRow("agrandie pour remplir")
        << QSizeF(100, 80) << QSizeF(800, 600) << true << QSizeF(750, 600);
}

void TstApercu::ajustement() {
    QFETCH(QSizeF, photo);
    QFETCH(QSizeF, cadre);
    QFETCH(bool, remplir);
    QFETCH(QSizeF, attendu);
    const QSizeF t =
        TailleAffichee(photo.width(), photo.height(), cadre.width(), cadre.height(), remplir);
    QVERIFY2(qAbs(t.width() - attendu.width()) < 1e-3 && qAbs(t.height() - attendu.height()) < 1e-3,
             qPrintable(QStringLiteral("%1 x %2").arg(t.width()).arg(t.height())));
    QCOMPARE(TailleAffichee(0, 10, 200, 145), QSizeF());
    QCOMPARE(TailleAffichee(10, 0, 200, 145), QSizeF());
}

void TstApercu::centrage() {
    // A 100 x 80 picture centred on (356, 132.5).
    QCOMPARE(CadreCentre(712, 265, QSizeF(100, 80)), QRectF(306, 92.5, 100, 80));
}

void TstApercu::tailles_data() {
    QTest::addColumn<qint64>("octets");
    QTest::addColumn<QString>("texte");
    QTest::newRow("0") << qint64(0) << "0  octets";
    QTest::newRow("999") << qint64(999) << "999  octets";
    QTest::newRow("1000") << qint64(1000) << "1,00  Ko";
    QTest::newRow("1500") << qint64(1500) << "1,50  Ko";
    QTest::newRow("999999") << qint64(999999) << "1000,00  Ko";
    QTest::newRow("1000000") << qint64(1000000) << "1,00 Mo";
    QTest::newRow("1234567") << qint64(1234567) << "1,23 Mo";
    QTest::newRow("au-delà de 32 bits") << qint64(5000000000) << "5000,00 Mo";
}

void TstApercu::tailles() {
    QFETCH(qint64, octets);
    QFETCH(QString, texte);
    QCOMPARE(FormatTaille(octets), texte);
}

void TstApercu::ligne() {
    QCOMPARE(LigneInformations(1234567, 3000, 2000, "12/07/2019 08:00:00"),
             QString("1,23 Mo      L = 3000  x  H = 2000      Date : 12/07/2019 08:00:00"));
}

void TstApercu::pauses() {
    QCOMPARE(PauseChargement(500000), 50);
    QCOMPARE(PauseChargement(999999), 100);
    QCOMPARE(PauseChargement(2000000), 20);
    QCOMPARE(PauseChargement(0), 0);
}

void TstApercu::preselection_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("regle");
    QTest::addColumn<QString>("debut");
    QTest::addColumn<QString>("fin");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("l");
    const int opt = int(RegleSelection::Optimale);
    const int inc = int(RegleSelection::ListeIncrementee);
    const int perso = int(RegleSelection::Personnalisee);
    QTest::newRow("optimale") << "IMG_0001.jpg" << opt << ""
                              << "" << 0 << 8;
    QTest::newRow("optimale, marqué") << "IMG_0001.jpg   [M]" << opt << ""
                                      << "" << 0 << 8;
    QTest::newRow("liste incrémentée") << "012 _ Plage.jpg" << inc << ""
                                       << "" << 6 << 5;
    QTest::newRow("liste incrémentée, marquée") << "012 _ Plage.jpg   [M]" << inc << ""
                                                << "" << 6 << 5;
    QTest::newRow("liste incrémentée sans liaison") << "Plage.jpg" << inc << ""
                                                    << "" << 12 << -7;
    QTest::newRow("caret seul depuis la fin") << "Plage.jpg" << perso << "-7"
                                              << "00" << 2 << 0;
    QTest::newRow("longueur donnée") << "abcdefg" << perso << "2"
                                     << "-3" << 2 << 3;
    QTest::newRow("tout sauf quatre") << "abcdefg" << perso << "0"
                                      << "4" << 0 << 3;
    QTest::newRow("tout sauf quatre, marqué") << "abcdefg   [M]" << perso << "0"
                                              << "4" << 0 << 3;
}

void TstApercu::preselection() {
    QFETCH(QString, nom);
    QFETCH(int, regle);
    QFETCH(QString, debut);
    QFETCH(QString, fin);
    QFETCH(int, s);
    QFETCH(int, l);
    const Selection r = Preselection(nom, RegleSelection(regle), " _ ", debut, fin);
    QCOMPARE(r.debut, s);
    QCOMPARE(r.longueur, l);
}

void TstApercu::liaison() {
    // Only the last "/ " goes: the space before it stays.
    QCOMPARE(DecrireLiaison(" _ "), QString("espace / tiret bas / espace "));
    QCOMPARE(DecrireLiaison("-"), QString("tiret 6 "));
    QCOMPARE(DecrireLiaison("x"), QString("x"));
    QVERIFY(EstNombre("-7"));
    QVERIFY(EstNombre("00"));
    QVERIFY(!EstNombre("abc"));
    QVERIFY(!EstNombre(""));
}

QTEST_GUILESS_MAIN(TstApercu)
#include "tst_apercu.moc"
