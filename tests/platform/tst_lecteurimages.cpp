// Pictures read for showing (through a worker, with a cache and EXIF thumbnails) and for
// editing (turns, metadata kept, written without replacing anything).
#include "banc.h"
#include "editeurimages.h"
#include "jpegexif.h"
#include "lecteurimages.h"
#include "photostest.h"

#include <QBuffer>

#include <sys/stat.h>

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

DemandeImage demande(const QString& chemin, QSize voulue) {
    const QString cle = QStringLiteral("essai %1x%2").arg(voulue.width()).arg(voulue.height());
    return {chemin, cle, [voulue](QSize s) { return s.scaled(voulue, Qt::KeepAspectRatio); }};
}

// Name, content, size, size read for a thumbnail of 80 x 80, and the editor's decoded corners
// when they say something ("-" when it refuses the file).
using Format = std::tuple<QString, QByteArray, QSize, QSize, QString>;
// Content, size asked, corners read.
using Miniature = std::tuple<QByteArray, QSize, QString>;
using Orientation = std::tuple<int, QString, QString>;

} // namespace

class TstLecteurImages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formats_data();
    void formats();
    void miniatureExif_data();
    void miniatureExif();
    void cacheEtFichiersChanges();
    void orientations_data();
    void orientations();
    void publication();
};

void TstLecteurImages::formats_data() {
    QTest::addColumn<Format>("f");
    const QByteArray grande = jpeg(400, 300, Qt::blue);
    const QByteArray quatre = encoder(PhotosTest::quartiers(400, 300), "jpg");
    QByteArray faux = JpegExif::avecMiniature(grande, grande.left(2000), 6);
    faux[12 + 7] = char(0x7F); // the first EXIF directory far beyond the block
    const QSize couchee(400, 300), petite(80, 60);
    QTest::newRow("orientation 8, EXIF Motorola") << Format{
        "c.JPG", JpegExif::avecMiniature(grande, {}, 8, true), QSize(300, 400), QSize(60, 80), ""};
    QTest::newRow("orientation hors limites")
        << Format{"k.jpg", JpegExif::avecMiniature(grande, {}, 77), couchee, petite, ""};
    QTest::newRow("répertoire EXIF hors du bloc") << Format{"l.jpg", faux, couchee, petite, ""};
    QTest::newRow("jpeg tronqué, lu ce qui peut l'être")
        << Format{"g.jpg", quatre.left(quatre.size() / 2), couchee, petite, "R"};
    QTest::newRow("tube nommé") << Format{"tube.jpg", {}, {}, {}, "-"};
}

void TstLecteurImages::formats() {
    QFETCH(Format, f);
    const auto& [nom, contenu, taille, lue, coins] = f;
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
    if (!coins.isEmpty())
        QCOMPARE(PhotosTest::coins(EditeurImages::Decoder(*source)).left(coins.size()), coins);
}

void TstLecteurImages::miniatureExif_data() {
    QTest::addColumn<Miniature>("m");
    const auto avec = [](QSize miniature, int orientation) {
        return JpegExif::avecMiniature(jpeg(400, 300, Qt::red),
                                       jpeg(miniature.width(), miniature.height(), Qt::green),
                                       orientation);
    };
    // A thumbnail whose length claims more than its EXIF block holds is no thumbnail.
    QByteArray longue = avec(QSize(80, 60), 1);
    const qsizetype longueur = longue.indexOf(QByteArray("\x02\x02\x04\x00\x01\x00\x00\x00", 8));
    longue.replace(longueur + 8, 4, QByteArray("\x00\x00\x10\x00", 4));
    const QSize v(76, 57);
    QTest::newRow("assez grande") << Miniature{avec(QSize(160, 120), 1), v, "GGGG"};
    QTest::newRow("trop petite") << Miniature{avec(QSize(160, 120), 1), QSize(200, 150), "RRRR"};
    QTest::newRow("photo tournée") << Miniature{avec(QSize(160, 120), 6), v.transposed(), "GGGG"};
    QTest::newRow("plus longue que son bloc") << Miniature{longue, v, "RRRR"};
}

void TstLecteurImages::miniatureExif() {
    QFETCH(Miniature, m);
    const auto& [contenu, voulue, coins] = m;
    Banc b;
    const QString chemin = Banc::creerFichier(b.photos() + "/p.jpg", contenu);
    const auto lue = LecteurImages::Lire(chemin, demande(chemin, voulue).tailleVoulue, true);
    QVERIFY(lue);
    QCOMPARE(lue->image.size(), voulue);
    QCOMPARE(PhotosTest::coins(lue->image), coins);
}

void TstLecteurImages::cacheEtFichiersChanges() {
    Banc b;
    const QString a = Banc::creerFichier(b.photos() + "/a.jpg", jpeg(64, 48, Qt::red));
    const QString c = Banc::creerFichier(b.photos() + "/c.jpg", jpeg(64, 48, Qt::blue));
    LecteurImages lecteur;
    const auto coins = [&] {
        return PhotosTest::coins(lecteur.Lire(demande(a, QSize(32, 32)))->image);
    };
    QCOMPARE(coins(), QString("RRRR"));
    // Served from the cache: the same picture, not read again.
    QVERIFY(lecteur.EstPret(lecteur.Lancer(demande(a, QSize(32, 32)))));
    // Another program replaces the file: the name is the same, the file is not.
    QVERIFY(::rename(QFile::encodeName(c).constData(), QFile::encodeName(a).constData()) == 0);
    QCOMPARE(coins(), QString("BBBB"));
}

void TstLecteurImages::orientations_data() {
    QTest::addColumn<Orientation>("o");
    for (const Orientation& o : {Orientation{1, "RGBW", "GWRB"},
                                 {5, "RBGW", "BWRG"},
                                 {6, "BRWG", "RGBW"},
                                 {8, "GWRB", "WBGR"}})
        QTest::newRow(qPrintable(QString::number(std::get<0>(o)))) << o;
}

void TstLecteurImages::orientations() {
    QFETCH(Orientation, o);
    const auto& [orientation, vue, tournee] = o;
    Banc b;
    const QString chemin = PhotosTest::creer(b.photos() + "/p.jpg", 64, 48, orientation);
    const auto source = EditeurImages::Ouvrir(chemin);
    QVERIFY(source);
    const QImage image = EditeurImages::Decoder(*source);
    QCOMPARE(PhotosTest::coins(image), vue);
    const QSize taille = orientation >= 5 ? QSize(48, 64) : QSize(64, 48);
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
