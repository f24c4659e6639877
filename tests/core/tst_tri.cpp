#include "affichefleches.h"
#include "lecturedateexif.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

class TstTri : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fleches_data();
    void fleches();
    void date_data();
    void date();
    void dateAuHasard();
};

void TstTri::fleches_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("haut");
    QTest::addColumn<bool>("bas");
    QTest::newRow("liste vide") << 0 << -1 << false << false;
    QTest::newRow("une seule entrée") << 1 << 0 << false << false;
    QTest::newRow("pas d'entrée courante") << 3 << -1 << false << false;
    QTest::newRow("index hors de la liste") << 3 << 3 << false << false;
    QTest::newRow("première") << 3 << 0 << false << true;
    QTest::newRow("dernière") << 3 << 2 << true << false;
    QTest::newRow("au milieu") << 3 << 1 << true << true;
    QTest::newRow("deux entrées, la seconde") << 2 << 1 << true << false;
}

void TstTri::fleches() {
    QFETCH(int, nombre);
    QFETCH(int, index);
    QFETCH(bool, haut);
    QFETCH(bool, bas);
    const EtatFleches f = Affiche_Fleches(nombre, index);
    QCOMPARE(f.ImgUp, haut);
    QCOMPARE(f.ImgDown, bas);
}

namespace {

QByteArray octets(const char* texte, int taille) {
    return QByteArray(texte, taille);
}

} // namespace

void TstTri::date_data() {
    QTest::addColumn<QByteArray>("debut");
    QTest::addColumn<QString>("photo");
    QTest::addColumn<QString>("tri");
    const QString impossible = QStringLiteral("Lecture impossible");

    const char entete[] = "\xFF\xD8\xFF\xE1\x01\x20"
                          "Exif\0\0II*\0\x08\0\0\0\x02\0\x32\x01\x02\0\x14\0\0\0\x26\0\0\0";
    const QByteArray jpeg = octets(entete, sizeof entete - 1) + "2019:07:14 10:20:30" +
                            octets("\0\x01\0\x03\x90\x02\0\x14\0\0\0", 11) + "2019:07:12 08:00:00" +
                            octets("\0\xFF\xDB\0\x43", 5);
    const auto lue = [](const char* nom, const QByteArray& debut, const char* photo,
                        const char* tri) {
        QTest::newRow(nom) << debut << QString(photo) << QString(tri);
    };
    lue("en-tête JPEG à deux dates: la prise de vue", jpeg, "12/07/2019 08:00:00",
        "2019-07-12 08:00:00");
    lue("une seule date", "ABCDE\x01\x02 2021:01:05 16:45:00", "05/01/2021 16:45:00",
        "2021-01-05 16:45:00");
    lue("date en tout début de fichier", "2019:07:12 08:00:00", "12/07/2019 08:00:00",
        "2019-07-12 08:00:00");
    lue("séparateurs de la date non lus", "xxxx2019:07;12T08:00:00", "12/07/2019 08:00:00",
        "2019-07-12 08:00:00");
    lue("après un deux-points isolé, la date suivante",
        "2018:01:02 03:04:05 abcd: 2020:06:07 08:09:10", "07/06/2020 08:09:10",
        "2020-06-07 08:09:10");
    lue("un deux-points isolé en dernier: la première date", "2018:01:02 03:04:05 abcd: fin",
        "02/01/2018 03:04:05", "2018-01-02 03:04:05");
    lue("deux-points au début puis une date", "a:b 123456789012345 2017:11:30 23:59:59",
        "30/11/2017 23:59:59", "2017-11-30 23:59:59");
    lue("BMP dont l'en-tête porte une date",
        octets("BM\x36\x10\0\0\0\0\0\0\x36\0\0\0", 14) + "2015:08:09 10:11:12",
        "09/08/2015 10:11:12", "2015-08-09 10:11:12");
    lue("MP3 dont l'étiquette porte une date",
        octets("ID3\x03\0\0\0\0\x01\x10TDRC\0\0\0\x14\0\0\0", 21) + "2016:12:24 20:00:00",
        "24/12/2016 20:00:00", "2016-12-24 20:00:00");
    lue("octets non ASCII avant la date", octets("\xFF\xFE\x80\xE9\0\0", 6) + "2000:02:29 00:00:00",
        "29/02/2000 00:00:00", "2000-02-29 00:00:00");
    lue("date finissant au 1000e octet", QByteArray(981, 'x') + "2010:10:10 10:10:10",
        "10/10/2010 10:10:10", "2010-10-10 10:10:10");

    QTest::newRow("vide") << QByteArray() << impossible << "";
    QTest::newRow("sans deux-points") << QByteArray("JFIF 2019 07 12 08 00 00") << impossible << "";
    QTest::newRow("seul deux-points dans les quatre premiers caractères")
        << QByteArray("ab:cdefghijklmnop") << impossible << "";
    QTest::newRow("un seul octet") << QByteArray(":") << impossible << "";
    QTest::newRow("mois 13") << QByteArray("2019:13:12 08:00:00") << impossible << "";
    QTest::newRow("mois 00") << QByteArray("0000:00:00 00:00:00") << impossible << "";
    QTest::newRow("31 février") << QByteArray("2019:02:31 08:00:00") << impossible << "";
    QTest::newRow("29 février hors année bissextile")
        << QByteArray("2019:02:29 08:00:00") << impossible << "";
    QTest::newRow("25 heures") << QByteArray("2019:07:12 25:00:00") << impossible << "";
    QTest::newRow("mois non numérique") << QByteArray("2019:0a:12 08:00:00") << impossible << "";
    QTest::newRow("date coupée par la fin du fichier")
        << QByteArray("xx2019:07:12 08:0") << impossible << "";
    QTest::newRow("date coupée au 1000e octet")
        << QByteArray(993, 'x') + "2010:10:10 10:10:10" << impossible << "";
    QTest::newRow("date au-delà des 1000 octets")
        << QByteArray(1000, 'x') + "2010:10:10 10:10:10" << impossible << "";
}

void TstTri::date() {
    QFETCH(QByteArray, debut);
    QFETCH(QString, photo);
    QFETCH(QString, tri);
    const DateExif d = LireDateExif(debut);
    QCOMPARE(d.DatePhoto, photo);
    QCOMPARE(d.DateTri, tri);
    QCOMPARE(d.lue(), !tri.isEmpty());
}

// Many generated headers, mostly digits, colons and spaces so that near-dates are common.
// Each input sits in front of a date that must never be seen: the result is the same
// whichever date follows, so nothing was read past the bytes given, and nothing past the
// first 1000.
void TstTri::dateAuHasard() {
    QRandomGenerator hasard(20240517);
    const QByteArray suites[] = {QByteArray("2001:01:01 01:01:01"),
                                 QByteArray("2002:02:02 02:02:02")};
    const QRegularExpression forme(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$"));
    int lues = 0;
    for (int essai = 0; essai < 100000; ++essai) {
        const int taille = essai % 10 == 0 ? int(hasard.bounded(1100)) : int(hasard.bounded(60));
        QByteArray t(taille, '\0');
        for (char& c : t) {
            const quint32 tirage = hasard.bounded(100);
            c = tirage < 45   ? char('0' + hasard.bounded(10))
                : tirage < 60 ? ':'
                : tirage < 70 ? ' '
                              : char(hasard.bounded(256));
        }
        if (essai % 3 == 0 && taille >= 19) {
            const qsizetype ou = hasard.bounded(taille - 18);
            t.replace(ou, 19, "2019:07:12 08:00:00");
        }

        QByteArray premier = t + suites[0];
        QByteArray second = t + suites[1];
        const DateExif a = LireDateExif(QByteArrayView(premier).first(taille));
        const DateExif b = LireDateExif(QByteArrayView(second).first(taille));
        if (a.DatePhoto != b.DatePhoto)
            QFAIL(qPrintable(QStringLiteral("lu au-delà des octets donnés: ") + t.toHex()));
        if (taille > 1000) {
            QByteArray apres = t;
            apres.replace(1000, taille - 1000, QByteArray(taille - 1000, ':'));
            QCOMPARE(LireDateExif(apres).DatePhoto, a.DatePhoto);
        }
        if (!a.lue()) {
            QCOMPARE(a.DatePhoto, QStringLiteral("Lecture impossible"));
            continue;
        }
        ++lues;
        QVERIFY2(forme.match(a.DatePhoto).hasMatch(), qPrintable(a.DatePhoto));
        // The year and the month read stand in the header as written.
        const QByteArray anneeMois =
            a.DateTri.left(4).toLatin1() + ':' + a.DateTri.mid(5, 2).toLatin1();
        QVERIFY(t.left(1000).contains(anneeMois));
    }
    // The generator must reach the dated paths, or this test proves little.
    QVERIFY(lues > 1000);
}

QTEST_GUILESS_MAIN(TstTri)
#include "tst_tri.moc"
