#include "incrustation.h"
#include "nomcopie.h"
#include "options.h"
#include "orientation.h"
#include "redimension.h"

#include <QTest>

class TstRetouche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tailles_data();
    void tailles();
    void noms_data();
    void noms();
    void positions_data();
    void positions();
    void orientations_data();
    void orientations();
    void exempleTroisSurDeux();
    void messages();
};

void TstRetouche::tailles_data() {
    QTest::addColumn<int>("regle");
    QTest::addColumn<double>("valeur");
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QSize>("attendue");
    QTest::newRow("largeur 800") << 1 << 800.0 << QSize(4000, 3000) << QSize(800, 600);
    QTest::newRow("hauteur 600") << 2 << 600.0 << QSize(4000, 3000) << QSize(800, 600);
    QTest::newRow("50 % de 4000") << 3 << 50.0 << QSize(4000, 3000) << QSize(2000, 1500);
    QTest::newRow("50 % de 3000") << 3 << 50.0 << QSize(3000, 2000) << QSize(1500, 1000);
    QTest::newRow("640 agrandie à 1024") << 1 << 1024.0 << QSize(640, 480) << QSize(1024, 768);
    QTest::newRow("moins d'un pixel") << 3 << 0.01 << QSize(4000, 3000) << QSize();
    QTest::newRow("zéro") << 1 << 0.0 << QSize(4000, 3000) << QSize();
    // The single resize: the box not typed in follows the ratio (-1 and -2 below).
    QTest::newRow("une photo, largeur") << -1 << 800.0 << QSize(4000, 3000) << QSize(800, 600);
    QTest::newRow("une photo, hauteur") << -2 << 600.0 << QSize(4000, 3000) << QSize(800, 600);
}

void TstRetouche::tailles() {
    QFETCH(int, regle);
    QFETCH(double, valeur);
    QFETCH(QSize, photo);
    QFETCH(QSize, attendue);
    const float rapport = float(photo.width()) / float(photo.height());
    const QSize t = regle == -1   ? TailleChoisie(valeur, 0, rapport)
                    : regle == -2 ? TailleChoisie(0, valeur, rapport)
                                  : TailleRedim(RegleTaille(regle), valeur, photo);
    QCOMPARE(t, attendue);
    QVERIFY(TailleAcceptable(QSize(65500, 2000)));
    QVERIFY(!TailleAcceptable(QSize(65501, 10)));
    QVERIFY(!TailleAcceptable(QSize(15000, 10001)));
}

void TstRetouche::noms_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("resultat");
    auto ligne = [](const char* cas, const char* nom, const char* resultat) {
        QTest::newRow(cas) << QString(nom) << QString(resultat);
    };
    ligne("jpg", "IMG_0001.jpg", "(R)IMG_0001.jpg");
    ligne("marqué", "IMG_0001.jpg   [M]", "(R)IMG_0001.jpg");
    ligne("jpeg", "Plage.jpeg", "(R)Plage.jpg");
    ligne("bmp", "Carte.BMP", "(R)Carte.jpg");
    ligne("sans extension", "Notes", "(R)Notes.jpg");
    ligne("point dans le titre", "012 _ St. Tropez", "(R)012 _ St. Tropez.jpg");
    ligne("nom caché", ".cache", "(R).cache.jpg");
}

void TstRetouche::noms() {
    QFETCH(QString, nom);
    QFETCH(QString, resultat);
    QCOMPARE(NomResultat(QStringLiteral("(R)"), nom), resultat);
    QCOMPARE(NomDossierRedim(QDateTime(QDate(2024, 1, 9), QTime(14, 7))),
             QStringLiteral("Redim 2024-1-9  [14H07]"));
    QCOMPARE(NomDossierRedim(QDateTime(QDate(2023, 7, 5), QTime(9, 5))),
             QStringLiteral("Redim 2023-7-5  [9H05]"));
    QCOMPARE(NombreEnTete(QStringLiteral(" 50 %")), 50.0);
    QCOMPARE(NombreEnTete(QStringLiteral("12,5")), 12.5);
    QCOMPARE(NombreEnTete(QStringLiteral("abc")), 0.0);
}

void TstRetouche::positions_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QPointF>("coin");
    QTest::newRow("en haut à gauche") << 0 << QPointF(50, 20);
    QTest::newRow("en haut à droite") << 1 << QPointF(850, 20);
    QTest::newRow("en bas à gauche") << 2 << QPointF(50, 550);
    QTest::newRow("en bas à droite") << 3 << QPointF(850, 550);
    QTest::newRow("au centre") << 4 << QPointF(500, 300);
    QTest::newRow("abîmée") << 9 << QPointF(50, 20);
}

void TstRetouche::positions() {
    QFETCH(int, position);
    QFETCH(QPointF, coin);
    QCOMPARE(PositionTexte(position, QSizeF(1000, 600), QSizeF(100, 30), 50, 50), coin);
}

void TstRetouche::orientations_data() {
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("unQuart");
    QTest::addColumn<bool>("miroir");
    QTest::addColumn<int>("quartsHoraires");
    QTest::newRow("1") << 1 << 8 << false << 0;
    QTest::newRow("2 miroir") << 2 << 5 << true << 0;
    QTest::newRow("3 demi-tour") << 3 << 6 << false << 2;
    QTest::newRow("4 miroir vertical") << 4 << 7 << true << 2;
    QTest::newRow("5 transposée") << 5 << 4 << true << 3;
    QTest::newRow("6 quart horaire") << 6 << 1 << false << 1;
    QTest::newRow("7 transverse") << 7 << 2 << true << 1;
    QTest::newRow("8 quart à gauche") << 8 << 3 << false << 3;
    QTest::newRow("inconnue") << 0 << 8 << false << 0;
}

void TstRetouche::orientations() {
    QFETCH(int, orientation);
    QFETCH(int, unQuart);
    QFETCH(bool, miroir);
    QFETCH(int, quartsHoraires);
    QCOMPARE(Orientation::Composer(orientation, 1), unQuart);
    QCOMPARE(Orientation::Decomposer(orientation), (Orientation::Geste{miroir, quartsHoraires}));
    // Four turns, or one and three, bring the picture back.
    const int o = orientation < 1 ? 1 : orientation;
    QCOMPARE(Orientation::Composer(orientation, 4), o);
    QCOMPARE(Orientation::Composer(Orientation::Composer(orientation, 1), 3), o);
}

void TstRetouche::exempleTroisSurDeux() {
    // A B C over D E F, a quarter turn to the left: C F / B E / A D.
    const char pixels[2][3] = {{'A', 'B', 'C'}, {'D', 'E', 'F'}};
    char tourne[3][2] = {};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const QPoint d = Orientation::Destination(Orientation::Composer(1, 1), x, y, 3, 2);
            tourne[d.y()][d.x()] = pixels[y][x];
        }
    QCOMPARE(QByteArray(&tourne[0][0], 6), QByteArray("CFBEAD"));
}

void TstRetouche::messages() {
    QStringList rates;
    for (int i = 1; i <= 17; ++i)
        rates.append(QStringLiteral("p%1.jpg").arg(i));
    QCOMPARE(MessageFinRedim(3, QStringLiteral("/d/Redim"), rates.mid(0, 1)),
             QStringLiteral("Les 3 photos redimensionnées sont dans le répertoire :\n/d/Redim\n\n"
                            "Photos non redimensionnées :\np1.jpg"));
    QVERIFY(MessageFinRedim(0, {}, rates).endsWith(QStringLiteral("p15.jpg\net  2 autre(s) ...")));
    auto pris = [](const QStringList& noms) {
        return [noms](const QString& n) { return noms.contains(n); };
    };
    QCOMPARE(NomDansDossier("a.jpg", pris({})), QStringLiteral("a.jpg"));
    QCOMPARE(NomDansDossier("a.jpg", pris({"a.jpg"})), QStringLiteral("Copie de a.jpg"));
    QCOMPARE(NomDansDossier("a.jpg", pris({"a.jpg", "Copie de a.jpg"})), std::nullopt);
    Options o;
    QVERIFY(!IncrustationReglee(o));
    AppliquerDefautsIncrustation(o);
    QVERIFY(IncrustationReglee(o) && o.PoliceTexte == "Arial" && o.EffacerOriginal == 1);
}

QTEST_GUILESS_MAIN(TstRetouche)
#include "tst_retouche.moc"
