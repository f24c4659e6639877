#include "disposition.h"
#include "grilleminiatures.h"
#include "incrustation.h"
#include "loupe.h"
#include "nomcopie.h"
#include "options.h"
#include "orientation.h"
#include "redimension.h"

#include <QTest>

namespace G = GrilleMiniatures;

class TstGeometrieVues : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void grille();
    void loupe();
    void ecrans();
    void retouche();
};

void TstGeometrieVues::grille() {
    // Photo, bytes, reduced size, picture frame in the first cell.
    for (const auto& [photo, octets, reduite, cellule0] : {
             std::tuple{QSizeF(3000, 2000), 2000000, QSizeF(300, 200),
                        QRectF(41.75, 10.5, 85.5, 57)},
             {QSizeF(2000, 3000), 3000000, QSizeF(133.33333, 200), QRectF(65.5, 10.5, 38, 57)},
         }) {
        const QSizeF r = G::TailleReduite(photo.width(), photo.height(), octets);
        QVERIFY(qAbs(r.width() - reduite.width()) < 1e-3 && r.height() == reduite.height());
        const QRectF c = G::CadreImage(0, r, 1, 1);
        QVERIFY(qAbs(c.x() - cellule0.x()) + qAbs(c.width() - cellule0.width()) < 1e-3);
        QCOMPARE(QPointF(c.y(), c.height()), QPointF(cellule0.y(), cellule0.height()));
    }

    // Height, range, large and small steps, top of the seventh cell.
    for (const auto& [nombre, echelle, attendu] : {
             // Five fit in the frame; six pass it by the margin of 5.
             std::tuple{5, 1.0, QList<double>{470, 0, 558, 93, 480.5}},
             {6, 1.0, QList<double>{475, 5, 470, 78, 480.5}},
             {145, 1.0, QList<double>{11363, 10893, 470, 78, 480.5}},
         }) {
        const int hauteur = G::HauteurColonne(nombre, echelle);
        const G::Pas pas = G::PasDefilement(hauteur, nombre);
        QCOMPARE(QList<double>({double(hauteur), double(G::Etendue(hauteur, echelle)),
                                double(pas.grand), double(pas.petit),
                                G::CadreImage(6, QSizeF(150, 100), 1, echelle).top()}),
                 attendu);
    }

    // Next from thumbnail 6 of 7: that share of the range; from the top nothing.
    QCOMPARE(G::DefilementVoisin(83, 7, 6, 5), 71);
    // The slideshow: the seventh file scrolls one large step, never past the range.
    QCOMPARE(G::DefilementDiaporama(6, 470, 1102), 470);
    QCOMPARE(G::DefilementDiaporama(6, 470, 83), 83);
}

void TstGeometrieVues::loupe() {
    // Pressed at a point of the fitted picture on a 1024 x 768 screen: the enlarged picture
    // and where the pointer is put.
    const QRectF grande(0, 43, 1024, 683);
    for (const auto& [ajuste, point, taux, image, pointeur] : {
             std::tuple{QRectF(312, 234, 400, 300), QPointF(200, 150), 2.0,
                        QRectF(112, 84, 800, 600), QPointF(512, 384)},
             {grande, QPointF(10, 341), 4.0, QRectF(0, -980, 4096, 2732), QPointF(40, 384)},
             // Near the bottom: no empty band.
             {grande, QPointF(512, 680), 4.0, QRectF(-1536, -1964, 4096, 2732), QPointF(512, 756)},
         }) {
        const Loupe::Pression p = Loupe::Presser(QSizeF(1024, 768), ajuste, point, taux);
        QCOMPARE(p.image, image);
        QCOMPARE(p.pointeur, pointeur);
    }

    // The grabbed point follows the pointer; stopped at the left edge it is anchored again;
    // a panorama stays centred in height.
    const QRectF agrandie(-1000, -900, 4096, 2732);
    for (const auto& [image, pointeur, zoom, position, zoomApres] : {
             std::tuple{agrandie, QPointF(600, 400), QPointF(800, 650), QPointF(-1000, -900),
                        QPointF(800, 650)},
             {agrandie, QPointF(600, 400), QPointF(100, 300), QPointF(0, -200), QPointF(300, 300)},
             {QRectF(-500, 171, 2560, 426), QPointF(300, 400), QPointF(200, 100),
              QPointF(-100, 171), QPointF(200, 100)},
         }) {
        const Loupe::Glissement g = Loupe::Glisser(QSizeF(1024, 768), image, pointeur, zoom, 2);
        QCOMPARE(g.position, position);
        QCOMPARE(g.pointZoom, zoomApres);
    }

    // The first thumbnail asked for: refused, or 0 and below taken as the first.
    using N = G::NumeroDepart;
    QCOMPARE(G::LireNumeroDepart("2,5", 146).issue, N::ErreurSaisie);
    QCOMPARE(G::LireNumeroDepart("99999999999999999999", 146).issue, N::TropGrand);
    const N un = G::LireNumeroDepart("-3", 146);
    QVERIFY(un.issue == N::Accepte && un.premiereEstUn && un.premiere == 0);
    // The slideshow's interval, in seconds, one to an hour.
    for (const auto& [reponse, millisecondes] : {
             std::pair{"2,5", 2500},
             {"abc", -1},
             {"3601", -1},
         })
        QCOMPARE(Loupe::IntervalleDiaporama(reponse).value_or(-1), millisecondes);
}

void TstGeometrieVues::ecrans() {
    // The window as designed, 15360 x 11120 twips, on a screen: the target size in twips,
    // the horizontal scale, the screen's scales.
    for (const auto& [ecran, largeur, hauteur, echelleX, ecranX, ecranY] : {
             std::tuple{QSize(800, 600), 12000, 8600, 0.78125, 1.0, 1.0},
             // Beyond 16 bits.
             {QSize(1920, 1080), 15360, 11120, 1.0, 2.4, 1.8},
         }) {
        const Disposition d = CalculerDisposition(15360, 11120, ecran);
        QCOMPARE(d.LargeurCible, largeur);
        QCOMPARE(d.HauteurCible, hauteur);
        QCOMPARE(d.EchelleX, float(echelleX));
        QVERIFY(qAbs(d.EchelleEcranX - ecranX) < 1e-4);
        QVERIFY(qAbs(d.EchelleEcranY - ecranY) < 1e-4);
    }

    // No rows to spread over: the start colour, no division by zero.
    const std::array<int, 3> gris{64, 64, 64};
    QCOMPARE(CouleurDegrade(gris, {253, 220, 106}, 10, 10, 20, 10), gris);
}

void TstGeometrieVues::retouche() {
    // Rule (1 width, 2 height, 3 percent; -1 the single resize, where the height follows
    // the ratio), value, photo, size.
    for (const auto& [regle, valeur, photo, attendue] : {
             std::tuple{1, 800.0, QSize(4000, 3000), QSize(800, 600)},
             {3, 50.0, QSize(3000, 2000), QSize(1500, 1000)},
             // Less than a pixel, nothing.
             {3, 0.01, QSize(4000, 3000), QSize()},
             {-1, 800.0, QSize(4000, 3000), QSize(800, 600)},
         }) {
        const float rapport = float(photo.width()) / float(photo.height());
        const QSize t = regle < 0 ? TailleChoisie(valeur, 0, rapport)
                                  : TailleRedim(RegleTaille(regle), valeur, photo);
        QCOMPARE(t, attendue);
    }
    QVERIFY(TailleAcceptable(QSize(65500, 2000)));
    QVERIFY(!TailleAcceptable(QSize(15000, 10001)));

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
        QCOMPARE(Orientation::Composer(orientation, 4), qMax(orientation, 1));
        QCOMPARE(Orientation::Composer(unQuart, 3), qMax(orientation, 1));
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

    QCOMPARE(NomResultat("(R)", "IMG_0001.jpg   [M]"), QString("(R)IMG_0001.jpg"));
    QCOMPARE(NomResultat("(R)", "012 _ St. Tropez"), QString("(R)012 _ St. Tropez.jpg"));
    QCOMPARE(NomDossierRedim(QDateTime(QDate(2023, 7, 5), QTime(9, 5))),
             QStringLiteral("Redim 2023-7-5  [9H05]"));
    QCOMPARE(NombreEnTete(QStringLiteral(" 50 %")), 50.0);

    // The free name and "Copie de": tests/ui/tst_retoucheui.cpp.
    QCOMPARE(NomDansDossier("a.jpg", [](const QString&) { return true; }), std::nullopt);
    Options o;
    QVERIFY(!IncrustationReglee(o));
    AppliquerDefautsIncrustation(o);
    QVERIFY(IncrustationReglee(o) && o.PoliceTexte == "Arial" && o.EffacerOriginal == 1);

    // Top left, top right, bottom left, bottom right, centre; a damaged value is top left.
    for (const auto& [position, coin] : {
             std::pair{0, QPointF(50, 20)},
             {4, QPointF(500, 300)},
         })
        QCOMPARE(PositionTexte(position, QSizeF(1000, 600), QSizeF(100, 30), 50, 50), coin);
}

QTEST_GUILESS_MAIN(TstGeometrieVues)
#include "tst_geometrievues.moc"
