#include "banc.h"
#include "editeurimages.h"
#include "photostest.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <turbojpeg.h>

namespace {

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

QString ecrire(const QString& chemin, const QByteArray& contenu) {
    return Banc::creerFichier(chemin, contenu);
}

} // namespace

class TstEditeurImages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void orientations_data();
    void orientations();
    void metadonnees();
    void entreesDifficiles_data();
    void entreesDifficiles();
    void publication();
};

void TstEditeurImages::orientations_data() {
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

void TstEditeurImages::orientations() {
    QFETCH(int, orientation);
    QFETCH(QString, vue);
    QFETCH(QString, tournee);
    Banc b;
    const QString chemin = PhotosTest::creer(b.photos() + "/p.jpg", 64, 48, orientation);
    const auto source = EditeurImages::Ouvrir(chemin);
    QVERIFY(source);
    QCOMPARE(PhotosTest::coins(EditeurImages::Decoder(*source)), vue);
    QCOMPARE(source->taille(), orientation >= 5 ? QSize(48, 64) : QSize(64, 48));
    // The turn applies to the picture as it is seen, and is written upright (orientation 1).
    const auto sansPerte = EditeurImages::PivoterSansPerte(*source, 1);
    QVERIFY(sansPerte);
    const QString sortie = ecrire(b.photos() + "/t.jpg", *sansPerte);
    QCOMPARE(PhotosTest::coins(PhotosTest::brute(sortie)), tournee);
    QCOMPARE(PhotosTest::lire(sortie).orientation, 1);
    // The same in memory, for the preview and the pictures that cannot be turned losslessly.
    QCOMPARE(PhotosTest::coins(EditeurImages::TournerGauche(EditeurImages::Decoder(*source), 1)),
             tournee);
}

void TstEditeurImages::metadonnees() {
    Banc b;
    const auto source = EditeurImages::Ouvrir(PhotosTest::creer(b.photos() + "/p.jpg", 64, 48, 6));
    const QImage petite = EditeurImages::Redimensionner(EditeurImages::Decoder(*source), {24, 32});
    const QString redim =
        ecrire(b.photos() + "/r.jpg", *EditeurImages::EncoderJpeg(petite, &*source));
    const QString tournee =
        ecrire(b.photos() + "/t.jpg", *EditeurImages::PivoterSansPerte(*source, 2));
    for (const QString& chemin : {redim, tournee}) {
        const PhotosTest::Meta m = PhotosTest::lire(chemin);
        QCOMPARE(m.date, QStringLiteral("2019:07:14 10:30:00"));
        QCOMPARE(m.orientation, 1);
        QCOMPARE(m.legende, QStringLiteral("Plage"));
        QVERIFY(m.titre.contains(QStringLiteral("Vacances")));
        QVERIFY(m.icc);
        QVERIFY2(!m.vignette, "the embedded thumbnail shows the old picture");
    }
    QCOMPARE(PhotosTest::lire(redim).largeurExif, 24);
    QCOMPARE(PhotosTest::lire(tournee).largeurExif, 48);
    QCOMPARE(PhotosTest::brute(redim).size(), QSize(24, 32));
}

void TstEditeurImages::entreesDifficiles_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("coins");
    const QImage q = PhotosTest::quartiers(64, 48);
    QByteArray jpeg, png;
    QBuffer t(&jpeg);
    t.open(QIODevice::WriteOnly);
    PhotosTest::quartiers(640, 480).save(&t, "jpg", 95);
    QImage alpha = q.convertToFormat(QImage::Format_ARGB32);
    alpha.fill(Qt::transparent);
    QBuffer tp(&png);
    tp.open(QIODevice::WriteOnly);
    alpha.save(&tp, "png");
    QTest::newRow("vide") << QByteArray() << "";
    QTest::newRow("octets au hasard") << QByteArray(3000, '\x5a') << "";
    QTest::newRow("jpeg tronqué, lu ce qui peut l'être") << jpeg.left(jpeg.size() / 2) << "R";
    QTest::newRow("CMJN") << jpegTurbo(q, TJPF_CMYK, 0) << "RGBW";
    QTest::newRow("progressif") << jpegTurbo(q, TJPF_BGRX, TJFLAG_PROGRESSIVE) << "RGBW";
    QTest::newRow("png transparent, posé sur du blanc") << png << "WWWW";
    QTest::newRow("gif") << QByteArray::fromBase64("R0lGODlhAgACAPAAAP8AAAAAACH5BAAAAAAALAAAAAACAA"
                                                   "IAAAIChFEAOw==")
                         << "RRRR";
}

void TstEditeurImages::entreesDifficiles() {
    QFETCH(QByteArray, contenu);
    QFETCH(QString, coins);
    Banc b;
    const auto source = EditeurImages::Ouvrir(ecrire(b.photos() + "/x.jpg", contenu));
    QCOMPARE(bool(source), !coins.isEmpty());
    if (source)
        QCOMPARE(PhotosTest::coins(EditeurImages::Decoder(*source)).left(coins.size()), coins);
    // A named pipe that took a photo's name is not waited on.
    const QString tube = b.photos() + "/tube.jpg";
    QCOMPARE(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    QVERIFY(!EditeurImages::Ouvrir(tube));
}

void TstEditeurImages::publication() {
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

VIMBRAL_TEST_MAIN(TstEditeurImages)
#include "tst_editeurimages.moc"
