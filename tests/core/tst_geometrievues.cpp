#include "grilleminiatures.h"
#include "loupe.h"

#include <QTest>

namespace G = GrilleMiniatures;

class TstGeometrieVues : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reduction_data();
    void reduction();
    void colonne_data();
    void colonne();
    void defilement();
    void numeroDepart_data();
    void numeroDepart();
    void loupe_data();
    void loupe();
    void glisser_data();
    void glisser();
    void intervalle_data();
    void intervalle();
};

void TstGeometrieVues::reduction_data() {
    QTest::addColumn<QSizeF>("photo");
    QTest::addColumn<qint64>("octets");
    QTest::addColumn<QSizeF>("reduite");
    QTest::addColumn<QRectF>("cellule0");
    QTest::newRow("3000 x 2000 de 2 Mo") << QSizeF(3000, 2000) << qint64(2000000)
                                         << QSizeF(300, 200) << QRectF(41.75, 10.5, 85.5, 57);
    QTest::newRow("3000 x 2000 de 1 Mo") << QSizeF(3000, 2000) << qint64(1000000)
                                         << QSizeF(150, 100) << QRectF(41.75, 10.5, 85.5, 57);
    QTest::newRow("juste 1 500 000 octets") << QSizeF(4000, 3000) << qint64(1500000)
                                            << QSizeF(266.66667, 200) << QRectF(46.5, 10.5, 76, 57);
    QTest::newRow("80 x 60 garde sa taille")
        << QSizeF(80, 60) << qint64(5000) << QSizeF(80, 60) << QRectF(46.5, 10.5, 76, 57);
    QTest::newRow("plus petite que la case")
        << QSizeF(40, 30) << qint64(900) << QSizeF(40, 30) << QRectF(64.5, 24, 40, 30);
    QTest::newRow("portrait") << QSizeF(2000, 3000) << qint64(3000000) << QSizeF(133.33333, 200)
                              << QRectF(65.5, 10.5, 38, 57);
}

void TstGeometrieVues::reduction() {
    QFETCH(QSizeF, photo);
    QFETCH(qint64, octets);
    QFETCH(QSizeF, reduite);
    QFETCH(QRectF, cellule0);
    const QSizeF r = G::TailleReduite(photo.width(), photo.height(), octets);
    QVERIFY(qAbs(r.width() - reduite.width()) < 1e-3 && r.height() == reduite.height());
    const QRectF c = G::CadreImage(0, r, 1, 1);
    QVERIFY(qAbs(c.x() - cellule0.x()) + qAbs(c.width() - cellule0.width()) < 1e-3);
    QCOMPARE(QPointF(c.y(), c.height()), QPointF(cellule0.y(), cellule0.height()));
}

void TstGeometrieVues::colonne_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<double>("echelle");
    // Height, range, large and small steps, top of the seventh cell.
    QTest::addColumn<QList<double>>("attendu");
    QTest::newRow("cinq tiennent dans le cadre")
        << 5 << 1.0 << QList<double>{470, 0, 558, 93, 480.5};
    QTest::newRow("six: la marge de 5 dépasse")
        << 6 << 1.0 << QList<double>{475, 5, 470, 78, 480.5};
    QTest::newRow("sept: (7 x 78,33 - 470) + 5")
        << 7 << 1.0 << QList<double>{553, 83, 470, 78, 480.5};
    QTest::newRow("sept à l'échelle 0,77") << 7 << 0.77 << QList<double>{427, 65, 362, 60, 370};
    QTest::newRow("145") << 145 << 1.0 << QList<double>{11363, 10893, 470, 78, 480.5};
}

void TstGeometrieVues::colonne() {
    QFETCH(int, nombre);
    QFETCH(double, echelle);
    QFETCH(QList<double>, attendu);
    const int hauteur = G::HauteurColonne(nombre, echelle);
    const G::Pas pas = G::PasDefilement(hauteur, nombre);
    QCOMPARE(
        QList<double>({double(hauteur), double(G::Etendue(hauteur, echelle)), double(pas.grand),
                       double(pas.petit), G::CadreImage(6, QSizeF(150, 100), 1, echelle).top()}),
        attendu);
}

void TstGeometrieVues::defilement() {
    // Next from thumbnail 6 of 7: that share of the range; from the top nothing.
    QCOMPARE(G::DefilementVoisin(83, 7, 6, 5), 71);
    QCOMPARE(G::DefilementVoisin(83, 7, 0, 5), 0);
    QCOMPARE(G::DefilementVoisin(83, 7, 3, 0), 0);
    // The slideshow: the seventh file scrolls one large step, never past the range.
    QCOMPARE(G::DefilementDiaporama(5, 470, 1102), 0);
    QCOMPARE(G::DefilementDiaporama(6, 470, 1102), 470);
    QCOMPARE(G::DefilementDiaporama(6, 470, 83), 83);
}

void TstGeometrieVues::numeroDepart_data() {
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<int>("issue");
    QTest::addColumn<bool>("premiereEstUn");
    QTest::addColumn<int>("premiere");
    QTest::newRow("2,5") << "2,5" << int(G::NumeroDepart::ErreurSaisie) << false << 0;
    QTest::newRow("-3") << "-3" << int(G::NumeroDepart::Accepte) << true << 0;
    QTest::newRow("2") << " 2 " << int(G::NumeroDepart::Accepte) << false << 1;
    QTest::newRow("énorme") << "99999999999999999999" << int(G::NumeroDepart::TropGrand) << false
                            << 0;
}

void TstGeometrieVues::numeroDepart() {
    QFETCH(QString, reponse);
    QFETCH(int, issue);
    QFETCH(bool, premiereEstUn);
    QFETCH(int, premiere);
    const G::NumeroDepart n = G::LireNumeroDepart(reponse, 146);
    QCOMPARE(int(n.issue), issue);
    QCOMPARE(n.premiereEstUn, premiereEstUn);
    QCOMPARE(n.premiere, premiere);
}

void TstGeometrieVues::loupe_data() {
    QTest::addColumn<QSizeF>("ecran");
    QTest::addColumn<QRectF>("ajuste");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<double>("taux");
    QTest::addColumn<QRectF>("image");
    QTest::addColumn<QPointF>("pointeur");
    const QSizeF ecran(1024, 768);
    QTest::newRow("400 x 300 au centre, taux 2")
        << ecran << QRectF(312, 234, 400, 300) << QPointF(200, 150) << 2.0
        << QRectF(112, 84, 800, 600) << QPointF(512, 384);
    const QRectF grande(0, 43, 1024, 683);
    QTest::newRow("3000 x 2000 près du bord gauche, taux 4")
        << ecran << grande << QPointF(10, 341) << 4.0 << QRectF(0, -980, 4096, 2732)
        << QPointF(40, 384);
    QTest::newRow("3000 x 2000 près du bord droit, taux 4")
        << ecran << grande << QPointF(1014, 341) << 4.0 << QRectF(-3072, -980, 4096, 2732)
        << QPointF(984, 384);
    QTest::newRow("près du bas: pas de vide")
        << ecran << grande << QPointF(512, 680) << 4.0 << QRectF(-1536, -1964, 4096, 2732)
        << QPointF(512, 756);
}

void TstGeometrieVues::loupe() {
    QFETCH(QSizeF, ecran);
    QFETCH(QRectF, ajuste);
    QFETCH(QPointF, point);
    QFETCH(double, taux);
    QFETCH(QRectF, image);
    QFETCH(QPointF, pointeur);
    const Loupe::Pression p = Loupe::Presser(ecran, ajuste, point, taux);
    QCOMPARE(p.image, image);
    QCOMPARE(p.pointeur, pointeur);
}

void TstGeometrieVues::glisser_data() {
    QTest::addColumn<QRectF>("image");
    QTest::addColumn<QPointF>("pointeur");
    QTest::addColumn<QPointF>("zoom");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QPointF>("zoomApres");
    const QRectF grande(-1000, -900, 4096, 2732);
    QTest::newRow("le point saisi suit le pointeur")
        << grande << QPointF(600, 400) << QPointF(800, 650) << QPointF(-1000, -900)
        << QPointF(800, 650);
    QTest::newRow("arrêtée au bord gauche, point ancré à nouveau")
        << grande << QPointF(600, 400) << QPointF(100, 300) << QPointF(0, -200)
        << QPointF(300, 300);
    QTest::newRow("panorama: centré en hauteur, glissé en largeur")
        << QRectF(-500, 171, 2560, 426) << QPointF(300, 400) << QPointF(200, 100)
        << QPointF(-100, 171) << QPointF(200, 100);
}

void TstGeometrieVues::glisser() {
    QFETCH(QRectF, image);
    QFETCH(QPointF, pointeur);
    QFETCH(QPointF, zoom);
    QFETCH(QPointF, position);
    QFETCH(QPointF, zoomApres);
    const Loupe::Glissement g = Loupe::Glisser(QSizeF(1024, 768), image, pointeur, zoom, 2);
    QCOMPARE(g.position, position);
    QCOMPARE(g.pointZoom, zoomApres);
}

void TstGeometrieVues::intervalle_data() {
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<int>("millisecondes");
    QTest::newRow("2") << "2" << 2000;
    QTest::newRow("1 accepté") << "1" << 1000;
    QTest::newRow("2,5 avec une virgule") << "2,5" << 2500;
    QTest::newRow("0,5 refusé") << "0,5" << -1;
    QTest::newRow("0.5 refusé") << "0.5" << -1;
    QTest::newRow("abc refusé") << "abc" << -1;
    QTest::newRow("plus d'une heure") << "3601" << -1;
}

void TstGeometrieVues::intervalle() {
    QFETCH(QString, reponse);
    QFETCH(int, millisecondes);
    QCOMPARE(Loupe::IntervalleDiaporama(reponse).value_or(-1), millisecondes);
}

QTEST_GUILESS_MAIN(TstGeometrieVues)
#include "tst_geometrievues.moc"
