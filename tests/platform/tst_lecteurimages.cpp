#include "banc.h"
#include "entetejpeg.h"
#include "jpegexif.h"
#include "lecteurimages.h"

#include <QBuffer>
#include <QPainter>
#include <QSignalSpy>

#include <sys/stat.h>

namespace {

QByteArray encoder(const QImage& image, const char* format) {
    QByteArray o;
    QBuffer tampon(&o);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, format);
    return o;
}

QByteArray jpeg(int largeur, int hauteur, QColor couleur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(couleur);
    // Some detail on the left, so that a cut file still holds part of a picture.
    QPainter p(&image);
    p.setPen(Qt::white);
    for (int x = 0; x < largeur / 4; x += 2)
        p.drawLine(x, 0, x, hauteur);
    return encoder(image, "JPG");
}

// Two frames of one pixel, looping.
const QByteArray GifAnime =
    QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH/"
                           "C05FVFNDQVBFMi4wAwEAAAAh+QQACgAAACwAAAAAAQABAAACAkQBACH5BAAKAAAALAAA"
                           "AAABAAEAAAICRAEAOw==");

DemandeImage demande(const QString& chemin, QSize voulue, bool exif = false) {
    DemandeImage d;
    d.chemin = chemin;
    d.cle = QStringLiteral("essai %1x%2").arg(voulue.width()).arg(voulue.height());
    d.miniatureExif = exif;
    d.tailleVoulue = [voulue](QSize s) { return s.scaled(voulue, Qt::KeepAspectRatio); };
    return d;
}

// The colour at the middle of a picture, red or green or blue: the strongest component.
QString teinte(const QImage& image) {
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    if (c.green() > c.red() && c.green() > c.blue())
        return QStringLiteral("vert");
    return c.red() > c.blue() ? QStringLiteral("rouge") : QStringLiteral("bleu");
}

} // namespace

class TstLecteurImages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formats_data();
    void formats();
    void miniatureExif_data();
    void miniatureExif();
    void miniatureHorsDuFichier();
    void cacheEtFichiersChanges();
};

void TstLecteurImages::formats_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QSize>("lue");
    QImage alpha(40, 30, QImage::Format_ARGB32);
    alpha.fill(Qt::transparent);
    const QByteArray grande = jpeg(400, 300, Qt::blue);
    QTest::newRow("jpeg réduit") << "a.jpg" << grande << QSize(400, 300) << QSize(80, 60);
    QTest::newRow("orientation 6")
        << "b.jpg" << JpegExif::avecMiniature(grande, {}, 6) << QSize(300, 400) << QSize(60, 80);
    QTest::newRow("orientation 8, EXIF Motorola")
        << "c.JPG" << JpegExif::avecMiniature(grande, {}, 8, true) << QSize(300, 400)
        << QSize(60, 80);
    QTest::newRow("orientation hors limites")
        << "k.jpg" << JpegExif::avecMiniature(grande, {}, 77) << QSize(400, 300) << QSize(80, 60);
    QByteArray faux = JpegExif::avecMiniature(grande, grande.left(2000), 6);
    faux[12 + 7] = char(0x7F); // the first EXIF directory far beyond the block
    QTest::newRow("répertoire EXIF hors du bloc")
        << "l.jpg" << faux << QSize(400, 300) << QSize(80, 60);
    QTest::newRow("coupé dans l'EXIF") << "m.jpg" << faux.left(40) << QSize() << QSize();
    QTest::newRow("png transparent")
        << "d.png" << encoder(alpha, "PNG") << QSize(40, 30) << QSize(40, 30);
    QTest::newRow("gif animé") << "e.gif" << GifAnime << QSize(1, 1) << QSize(1, 1);
    QTest::newRow("bmp") << "f.bmp" << encoder(QImage(200, 100, QImage::Format_RGB32), "BMP")
                         << QSize(200, 100) << QSize(80, 40);
    QTest::newRow("jpeg tronqué") << "g.jpg" << grande.left(grande.size() * 2 / 3)
                                  << QSize(400, 300) << QSize(80, 60);
    QTest::newRow("40 mégapixels")
        << "j.jpg" << jpeg(7728, 5152, Qt::blue) << QSize(7728, 5152) << QSize(80, 53);
    QTest::newRow("zéro octet") << "h.jpg" << QByteArray() << QSize() << QSize();
    QTest::newRow("octets au hasard") << "i.jpg" << QByteArray(5000, '\x5a') << QSize() << QSize();
    QTest::newRow("tube nommé") << "tube.jpg" << QByteArray() << QSize() << QSize();
}

void TstLecteurImages::formats() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, contenu);
    QFETCH(QSize, taille);
    QFETCH(QSize, lue);
    Banc b;
    const QString chemin = b.photos() + "/" + nom;
    if (nom.startsWith("tube"))
        QVERIFY(::mkfifo(QFile::encodeName(chemin).constData(), 0644) == 0);
    else
        Banc::creerFichier(chemin, contenu);
    LecteurImages lecteur;
    // Through a worker and on this thread alike; neither waits for a pipe's writer.
    const auto parTache = lecteur.Resultat(lecteur.Lancer(demande(chemin, QSize(80, 80))));
    const auto direct = LecteurImages::Lire(chemin, demande(chemin, QSize(80, 80)).tailleVoulue);
    QCOMPARE(parTache.has_value(), taille.isValid());
    QCOMPARE(direct.has_value(), taille.isValid());
    if (!parTache)
        return;
    QCOMPARE(parTache->taille, taille);
    QCOMPARE(parTache->image.size(), lue);
    QCOMPARE(parTache->octets, qint64(contenu.size()));
    QCOMPARE(direct->image.size(), lue);
    if (nom.endsWith("png"))
        QVERIFY(parTache->image.hasAlphaChannel());
}

void TstLecteurImages::miniatureExif_data() {
    QTest::addColumn<QSize>("miniature");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("voulue");
    QTest::addColumn<bool>("exif");
    QTest::addColumn<QString>("teinte");
    QTest::newRow("assez grande") << QSize(160, 120) << 1 << QSize(76, 57) << true << "vert";
    QTest::newRow("trop petite") << QSize(160, 120) << 1 << QSize(200, 150) << true << "rouge";
    QTest::newRow("autres proportions") << QSize(160, 90) << 1 << QSize(76, 57) << true << "rouge";
    QTest::newRow("pas demandée") << QSize(160, 120) << 1 << QSize(76, 57) << false << "rouge";
    QTest::newRow("photo tournée") << QSize(160, 120) << 6 << QSize(57, 76) << true << "vert";
}

void TstLecteurImages::miniatureExif() {
    QFETCH(QSize, miniature);
    QFETCH(int, orientation);
    QFETCH(QSize, voulue);
    QFETCH(bool, exif);
    QFETCH(QString, teinte);
    Banc b;
    const QString chemin = Banc::creerFichier(
        b.photos() + "/p.jpg",
        JpegExif::avecMiniature(jpeg(400, 300, Qt::red),
                                jpeg(miniature.width(), miniature.height(), Qt::green),
                                orientation));
    const auto lue = LecteurImages::Lire(chemin, demande(chemin, voulue).tailleVoulue, exif);
    QVERIFY(lue);
    QCOMPARE(lue->image.size(), voulue);
    QCOMPARE(::teinte(lue->image), teinte);
}

void TstLecteurImages::miniatureHorsDuFichier() {
    // A thumbnail whose length claims more than its EXIF block holds is no thumbnail.
    QByteArray b = JpegExif::avecMiniature(jpeg(400, 300, Qt::red), jpeg(80, 60, Qt::green), 1);
    const auto entier = LireEnteteJpeg(b);
    QVERIFY(entier && entier->longueurMiniature > 0);
    const qsizetype longueur = b.indexOf(QByteArray("\x02\x02\x04\x00\x01\x00\x00\x00", 8));
    QVERIFY(longueur > 0);
    b.replace(longueur + 8, 4, QByteArray("\x00\x00\x10\x00", 4));
    const auto faux = LireEnteteJpeg(b);
    QVERIFY(faux && faux->taille == QSize(400, 300));
    QCOMPARE(faux->longueurMiniature, 0);
}

void TstLecteurImages::cacheEtFichiersChanges() {
    Banc b;
    const QString a = Banc::creerFichier(b.photos() + "/a.jpg", jpeg(64, 48, Qt::red));
    const QString c = Banc::creerFichier(b.photos() + "/c.jpg", jpeg(64, 48, Qt::blue));
    LecteurImages lecteur;
    const auto premier = lecteur.Lancer(demande(a, QSize(32, 32)));
    QString recu;
    QObject contexte;
    lecteur.QuandPrete(premier, &contexte,
                       [&](const std::optional<ImageLue>& l) { recu = teinte(l->image); });
    QTRY_COMPARE(recu, QString("rouge"));
    QVERIFY(lecteur.MemoireCache() > 0);
    // Served from the cache: the same picture, not read again.
    QVERIFY(lecteur.EstPret(lecteur.Lancer(demande(a, QSize(32, 32)))));
    // Another program replaces the file: the name is the same, the file is not.
    QVERIFY(::rename(QFile::encodeName(c).constData(), QFile::encodeName(a).constData()) == 0);
    QCOMPARE(teinte(lecteur.Lire(demande(a, QSize(32, 32)))->image), QString("bleu"));
    // Written again in place, the content changes too.
    Banc::creerFichier(a, jpeg(64, 48, Qt::green));
    QCOMPARE(teinte(lecteur.Lire(demande(a, QSize(32, 32)))->image), QString("vert"));
    lecteur.Oublier();
    QCOMPARE(lecteur.MemoireCache(), qint64(0));
}

VIMBRAL_TEST_MAIN(TstLecteurImages)
#include "tst_lecteurimages.moc"
