#include "incrustation.h"
#include "nomcopie.h"
#include "options.h"
#include "orientation.h"
#include "redimension.h"

#include <QTest>

class TstRetouche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tailles();
    void nomsEtMessages();
    void positions();
    void orientations();
};

void TstRetouche::tailles() {
    // Rule (1 width, 2 height, 3 percent; -1 and -2 the single resize, where the box not
    // typed in follows the ratio), value, photo, size.
    for (const auto& [regle, valeur, photo, attendue] : {
             std::tuple{1, 800.0, QSize(4000, 3000), QSize(800, 600)},
             {2, 600.0, QSize(4000, 3000), QSize(800, 600)},
             {3, 50.0, QSize(3000, 2000), QSize(1500, 1000)},
             {1, 1024.0, QSize(640, 480), QSize(1024, 768)},
             // Less than a pixel, nothing.
             {3, 0.01, QSize(4000, 3000), QSize()},
             {-1, 800.0, QSize(4000, 3000), QSize(800, 600)},
             {-2, 600.0, QSize(4000, 3000), QSize(800, 600)},
         }) {
        const float rapport = float(photo.width()) / float(photo.height());
        const QSize t = regle == -1   ? TailleChoisie(valeur, 0, rapport)
                        : regle == -2 ? TailleChoisie(0, valeur, rapport)
                                      : TailleRedim(RegleTaille(regle), valeur, photo);
        QCOMPARE(t, attendue);
    }
    QVERIFY(TailleAcceptable(QSize(65500, 2000)));
    QVERIFY(!TailleAcceptable(QSize(65501, 10)));
    QVERIFY(!TailleAcceptable(QSize(15000, 10001)));
}

void TstRetouche::nomsEtMessages() {
    for (const auto& [nom, resultat] : {
             std::pair{"IMG_0001.jpg   [M]", "(R)IMG_0001.jpg"},
             {"Plage.jpeg", "(R)Plage.jpg"},
             {"Carte.BMP", "(R)Carte.jpg"},
             {"Notes", "(R)Notes.jpg"},
             {"012 _ St. Tropez", "(R)012 _ St. Tropez.jpg"},
             {".cache", "(R).cache.jpg"},
         })
        QCOMPARE(NomResultat(QStringLiteral("(R)"), nom), QString(resultat));
    QCOMPARE(NomDossierRedim(QDateTime(QDate(2024, 1, 9), QTime(14, 7))),
             QStringLiteral("Redim 2024-1-9  [14H07]"));
    QCOMPARE(NomDossierRedim(QDateTime(QDate(2023, 7, 5), QTime(9, 5))),
             QStringLiteral("Redim 2023-7-5  [9H05]"));
    QCOMPARE(NombreEnTete(QStringLiteral(" 50 %")), 50.0);
    QCOMPARE(NombreEnTete(QStringLiteral("12,5")), 12.5);
    QCOMPARE(NombreEnTete(QStringLiteral("abc")), 0.0);

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

void TstRetouche::positions() {
    // Top left, top right, bottom left, bottom right, centre; a damaged value is top left.
    for (const auto& [position, coin] : {
             std::pair{0, QPointF(50, 20)},
             {1, QPointF(850, 20)},
             {2, QPointF(50, 550)},
             {3, QPointF(850, 550)},
             {4, QPointF(500, 300)},
             {9, QPointF(50, 20)},
         })
        QCOMPARE(PositionTexte(position, QSizeF(1000, 600), QSizeF(100, 30), 50, 50), coin);
}

void TstRetouche::orientations() {
    // Orientation, after one quarter turn, mirrored, clockwise quarters.
    for (const auto& [orientation, unQuart, miroir, quartsHoraires] : {
             std::tuple{1, 8, false, 0},
             {2, 5, true, 0},
             {3, 6, false, 2},
             {4, 7, true, 2},
             {5, 4, true, 3},
             {6, 1, false, 1},
             {7, 2, true, 1},
             {8, 3, false, 3},
             {0, 8, false, 0},
         }) {
        QCOMPARE(Orientation::Composer(orientation, 1), unQuart);
        QCOMPARE(Orientation::Decomposer(orientation),
                 (Orientation::Geste{miroir, quartsHoraires}));
        // Four turns, or one and three, bring the picture back.
        const int o = orientation < 1 ? 1 : orientation;
        QCOMPARE(Orientation::Composer(orientation, 4), o);
        QCOMPARE(Orientation::Composer(Orientation::Composer(orientation, 1), 3), o);
    }

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

QTEST_GUILESS_MAIN(TstRetouche)
#include "tst_retouche.moc"
