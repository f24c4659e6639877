// Pictures read for showing (through a worker, with a cache and EXIF thumbnails) and for
// editing (turns, metadata kept, written without replacing anything).
#include "banc.h"
#include "editeurimages.h"
#include "entetejpeg.h"
#include "jpegexif.h"
#include "lecteurimages.h"
#include "photostest.h"

#include <QBuffer>

#include <sys/stat.h>
#include <turbojpeg.h>

namespace {

QByteArray encoder(const QImage& image, const char* format) {
    QByteArray o;
    QBuffer tampon(&o);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, format, 95);
    return o;
}

QByteArray jpeg(int largeur, int hauteur, QColor couleur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(couleur);
    return encoder(image, "JPG");
}

// CMYK, which Qt cannot write, and progressive.
QByteArray jpegTurbo(const QImage& image, int format, int options) {
    tjhandle h = tjInitCompress();
    unsigned char* sortie = nullptr;
    unsigned long taille = 0;
    QByteArray pixels;
    if (format == TJPF_CMYK)
        for (int i = 0; i < image.width() * image.height(); ++i) {
            const QColor c = image.pixelColor(i % image.width(), i / image.width());
            for (const int v : {c.cyan(), c.magenta(), c.yellow(), c.black()})
                pixels.append(char(255 - v));
        }
    const auto* source = format == TJPF_CMYK ? reinterpret_cast<const uchar*>(pixels.constData())
                                             : image.constBits();
    tjCompress2(h, source, image.width(), 0, image.height(), format, &sortie, &taille, TJSAMP_444,
                95, options);
    const QByteArray o(reinterpret_cast<const char*>(sortie), qsizetype(taille));
    tjFree(sortie);
    tjDestroy(h);
    return o;
}

DemandeImage demande(const QString& chemin, QSize voulue, bool exif = false) {
    const QString cle = QStringLiteral("essai %1x%2").arg(voulue.width()).arg(voulue.height());
    return {chemin, cle, [voulue](QSize s) { return s.scaled(voulue, Qt::KeepAspectRatio); }, exif};
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
    void orientations_data();
    void orientations();
    void publication();
};

void TstLecteurImages::formats_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QSize>("lue");
    // The editor's decoded corners when they say something, "-" when it refuses the file.
    QTest::addColumn<QString>("coins");
    QImage alpha(40, 30, QImage::Format_ARGB32);
    alpha.fill(Qt::transparent);
    const QImage q = PhotosTest::quartiers(64, 48);
    const QByteArray grande = jpeg(400, 300, Qt::blue);
    const QByteArray quatre = encoder(PhotosTest::quartiers(400, 300), "jpg");
    QByteArray faux = JpegExif::avecMiniature(grande, grande.left(2000), 6);
    faux[12 + 7] = char(0x7F); // the first EXIF directory far beyond the block
    const QSize couchee(400, 300), debout(300, 400), petite(80, 60), petiteDebout(60, 80);
    QTest::newRow("jpeg réduit") << "a.jpg" << grande << couchee << petite << "";
    QTest::newRow("orientation 6")
        << "b.jpg" << JpegExif::avecMiniature(grande, {}, 6) << debout << petiteDebout << "";
    QTest::newRow("orientation 8, EXIF Motorola")
        << "c.JPG" << JpegExif::avecMiniature(grande, {}, 8, true) << debout << petiteDebout << "";
    QTest::newRow("orientation hors limites")
        << "k.jpg" << JpegExif::avecMiniature(grande, {}, 77) << couchee << petite << "";
    QTest::newRow("répertoire EXIF hors du bloc") << "l.jpg" << faux << couchee << petite << "";
    QTest::newRow("coupé dans l'EXIF") << "m.jpg" << faux.left(40) << QSize() << QSize() << "";
    QTest::newRow("png transparent, posé sur du blanc")
        << "d.png" << encoder(alpha, "PNG") << QSize(40, 30) << QSize(40, 30) << "WWWW";
    QTest::newRow("gif") << "n.gif"
                         << QByteArray::fromBase64(
                                "R0lGODlhAgACAPAAAP8AAAAAACH5BAAAAAAALAAAAAACAAIAAAIChFEAOw==")
                         << QSize(2, 2) << QSize(2, 2) << "RRRR";
    QTest::newRow("bmp") << "f.bmp" << encoder(QImage(200, 100, QImage::Format_RGB32), "BMP")
                         << QSize(200, 100) << QSize(80, 40) << "";
    QTest::newRow("jpeg tronqué, lu ce qui peut l'être")
        << "g.jpg" << quatre.left(quatre.size() / 2) << couchee << petite << "R";
    QTest::newRow("CMJN") << "o.jpg" << jpegTurbo(q, TJPF_CMYK, 0) << QSize(64, 48) << QSize(64, 48)
                          << "RGBW";
    QTest::newRow("progressif") << "p.jpg" << jpegTurbo(q, TJPF_BGRX, TJFLAG_PROGRESSIVE)
                                << QSize(64, 48) << QSize(64, 48) << "RGBW";
    QTest::newRow("40 mégapixels")
        << "j.jpg" << jpeg(7728, 5152, Qt::blue) << QSize(7728, 5152) << QSize(80, 53) << "";
    QTest::newRow("zéro octet") << "h.jpg" << QByteArray() << QSize() << QSize() << "-";
    QTest::newRow("octets au hasard")
        << "i.jpg" << QByteArray(5000, '\x5a') << QSize() << QSize() << "-";
    QTest::newRow("tube nommé") << "tube.jpg" << QByteArray() << QSize() << QSize() << "-";
}

void TstLecteurImages::formats() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, contenu);
    QFETCH(QSize, taille);
    QFETCH(QSize, lue);
    QFETCH(QString, coins);
    Banc b;
    const QString chemin = b.photos() + "/" + nom;
    if (nom.startsWith("tube"))
        QVERIFY(::mkfifo(QFile::encodeName(chemin).constData(), 0644) == 0);
    else
        Banc::creerFichier(chemin, contenu);
    // Through a worker, and for editing; neither waits for a pipe's writer.
    LecteurImages lecteur;
    const auto image = lecteur.Resultat(lecteur.Lancer(demande(chemin, QSize(80, 80))));
    const auto source = EditeurImages::Ouvrir(chemin);
    QCOMPARE(image.has_value(), taille.isValid());
    QCOMPARE(source.has_value(), coins != "-");
    if (!image)
        return;
    QCOMPARE(image->taille, taille);
    QCOMPARE(source->taille(), taille);
    QCOMPARE(image->image.size(), lue);
    QCOMPARE(image->octets, qint64(contenu.size()));
    if (nom.endsWith("png"))
        QVERIFY(image->image.hasAlphaChannel());
    if (!coins.isEmpty())
        QCOMPARE(PhotosTest::coins(EditeurImages::Decoder(*source)).left(coins.size()), coins);
}

void TstLecteurImages::miniatureExif_data() {
    QTest::addColumn<QSize>("miniature");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("voulue");
    QTest::addColumn<bool>("exif");
    QTest::addColumn<QString>("coins");
    QTest::newRow("assez grande") << QSize(160, 120) << 1 << QSize(76, 57) << true << "GGGG";
    QTest::newRow("trop petite") << QSize(160, 120) << 1 << QSize(200, 150) << true << "RRRR";
    QTest::newRow("autres proportions") << QSize(160, 90) << 1 << QSize(76, 57) << true << "RRRR";
    QTest::newRow("pas demandée") << QSize(160, 120) << 1 << QSize(76, 57) << false << "RRRR";
    QTest::newRow("photo tournée") << QSize(160, 120) << 6 << QSize(57, 76) << true << "GGGG";
}

void TstLecteurImages::miniatureExif() {
    QFETCH(QSize, miniature);
    QFETCH(int, orientation);
    QFETCH(QSize, voulue);
    QFETCH(bool, exif);
    QFETCH(QString, coins);
    Banc b;
    const QString chemin = Banc::creerFichier(
        b.photos() + "/p.jpg",
        JpegExif::avecMiniature(jpeg(400, 300, Qt::red),
                                jpeg(miniature.width(), miniature.height(), Qt::green),
                                orientation));
    const auto lue = LecteurImages::Lire(chemin, demande(chemin, voulue).tailleVoulue, exif);
    QVERIFY(lue);
    QCOMPARE(lue->image.size(), voulue);
    QCOMPARE(PhotosTest::coins(lue->image), coins);
}

void TstLecteurImages::miniatureHorsDuFichier() {
    // A thumbnail whose length claims more than its EXIF block holds is no thumbnail.
    QByteArray b = JpegExif::avecMiniature(jpeg(400, 300, Qt::red), jpeg(80, 60, Qt::green), 1);
    QVERIFY(LireEnteteJpeg(b).value_or(EnteteJpeg{}).longueurMiniature > 0);
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
    lecteur.QuandPrete(premier, &contexte, [&](const std::optional<ImageLue>& l) {
        recu = PhotosTest::coins(l->image);
    });
    QTRY_COMPARE(recu, QString("RRRR"));
    QVERIFY(lecteur.MemoireCache() > 0);
    // Served from the cache: the same picture, not read again.
    QVERIFY(lecteur.EstPret(lecteur.Lancer(demande(a, QSize(32, 32)))));
    // Another program replaces the file: the name is the same, the file is not.
    QVERIFY(::rename(QFile::encodeName(c).constData(), QFile::encodeName(a).constData()) == 0);
    QCOMPARE(PhotosTest::coins(lecteur.Lire(demande(a, QSize(32, 32)))->image), QString("BBBB"));
    // Written again in place, the content changes too.
    Banc::creerFichier(a, jpeg(64, 48, Qt::green));
    QCOMPARE(PhotosTest::coins(lecteur.Lire(demande(a, QSize(32, 32)))->image), QString("GGGG"));
    lecteur.Oublier();
    QCOMPARE(lecteur.MemoireCache(), qint64(0));
}

void TstLecteurImages::orientations_data() {
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("vue");
    QTest::addColumn<QString>("tournee");
    for (const auto& [o, vue, tournee] : {std::tuple{1, "RGBW", "GWRB"},
                                          {2, "GRWB", "RBGW"},
                                          {3, "WBGR", "BRWG"},
                                          {4, "BWRG", "WGBR"},
                                          {5, "RBGW", "BWRG"},
                                          {6, "BRWG", "RGBW"},
                                          {7, "WGBR", "GRWB"},
                                          {8, "GWRB", "WBGR"}})
        QTest::newRow(qPrintable(QString::number(o))) << o << QString(vue) << QString(tournee);
}

void TstLecteurImages::orientations() {
    QFETCH(int, orientation);
    QFETCH(QString, vue);
    QFETCH(QString, tournee);
    Banc b;
    const QString chemin = PhotosTest::creer(b.photos() + "/p.jpg", 64, 48, orientation);
    const auto source = EditeurImages::Ouvrir(chemin);
    QVERIFY(source);
    const QImage image = EditeurImages::Decoder(*source);
    QCOMPARE(PhotosTest::coins(image), vue);
    const QSize taille = orientation >= 5 ? QSize(48, 64) : QSize(64, 48);
    QCOMPARE(source->taille(), taille);
    // The turn applies to the picture as it is seen; it and a smaller copy are written upright
    // (orientation 1) and keep the metadata, but not the thumbnail of the old picture.
    const QString t =
        Banc::creerFichier(b.photos() + "/t.jpg", *EditeurImages::PivoterSansPerte(*source, 1));
    const QImage petite = EditeurImages::Redimensionner(image, taille / 2);
    const QString r =
        Banc::creerFichier(b.photos() + "/r.jpg", *EditeurImages::EncoderJpeg(petite, &*source));
    QCOMPARE(PhotosTest::coins(PhotosTest::brute(t)), tournee);
    QCOMPARE(PhotosTest::brute(r).size(), taille / 2);
    QCOMPARE(PhotosTest::lire(t).largeurExif, taille.height());
    QCOMPARE(PhotosTest::lire(r).largeurExif, taille.width() / 2);
    for (const QString& sortie : {t, r}) {
        const PhotosTest::Meta m = PhotosTest::lire(sortie);
        QCOMPARE(m.date, QStringLiteral("2019:07:14 10:30:00"));
        QCOMPARE(m.orientation, 1);
        QCOMPARE(m.legende, QStringLiteral("Plage"));
        QVERIFY(m.titre.contains(QStringLiteral("Vacances")));
        QVERIFY(m.icc);
        QVERIFY2(!m.vignette, "the embedded thumbnail shows the old picture");
    }
    // The same in memory, for the preview and the pictures that cannot be turned losslessly.
    QCOMPARE(PhotosTest::coins(EditeurImages::TournerGauche(image, 1)), tournee);
}

void TstLecteurImages::publication() {
    Banc b;
    const QString cible = Banc::creerFichier(b.photos() + "/(R)a.jpg", "ancienne");
    QVERIFY(!EditeurImages::Publier(b.fichiers, "nouvelle", cible));
    QVERIFY(EditeurImages::Publier(b.fichiers, "nouvelle", b.photos() + "/(R)b.jpg"));
    b.fichiers.permis = 0;
    QVERIFY(!EditeurImages::Publier(b.fichiers, "nouvelle", b.photos() + "/(R)c.jpg"));
    // Nothing replaced, nothing left behind, the new file readable by all as any other.
    QCOMPARE(Banc::empreinte(b.photos()),
             QStringList({"(R)a.jpg 3c971411e0f80f029e1cb52dc52e087a",
                          "(R)b.jpg 2a042ef4ab0c308a7dd7b37671994745"}));
    QVERIFY(QFile::permissions(b.photos() + "/(R)b.jpg") & QFileDevice::ReadOther);
}

VIMBRAL_TEST_MAIN(TstLecteurImages)
#include "tst_lecteurimages.moc"
