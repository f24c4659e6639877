#include "ecrivainsequentiel.h"
#include "fichiersparametres.h"
#include "lecteursequentiel.h"
#include "options.h"

#include <QRandomGenerator>
#include <QTest>

#include <limits>

class TstParametres : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ecritureEtLecture();
    void reglages();
    void aleatoire();
};

void TstParametres::ecritureEtLecture() {
    EcrivainSequentiel e;
    e.texte("a\"b");
    e.texte("");
    e.entier(116);
    e.reel(10.0f);
    e.reel(0.1f);
    e.booleen(true);
    e.booleen(false);
    e.texte(QStringLiteral("Été"));
    QCOMPARE(e.ligne(), QByteArray("\"a\"\"b\",\"\",116,10,0.1,#TRUE#,#FALSE#,\"Été\"\r\n"));

    LecteurSequentiel l("\"a \"\"b\"\" c\" , 12.6,-7,#TRUE#,#FALSE#,\"x,y\",,0.1\n");
    QCOMPARE(l.texte(), std::optional<QString>("a \"b\" c"));
    QCOMPARE(l.entier(-32768, 32767), std::optional<qint64>(13));
    QCOMPARE(l.entier(-32768, 32767), std::optional<qint64>(-7));
    QCOMPARE(l.booleen(), std::optional<bool>(true));
    QCOMPARE(l.booleen(), std::optional<bool>(false));
    QCOMPARE(l.texte(), std::optional<QString>("x,y"));
    QCOMPARE(l.entier(0, 255), std::optional<qint64>(0));
    QCOMPARE(l.reel(), std::optional<float>(0.1f));
    QCOMPARE(l.texte(), std::nullopt);

    // What the writer writes, the reader reads back, and the field after it still reads;
    // what it cannot read back is written 0.
    using L = std::numeric_limits<float>;
    for (const auto& [valeur, relu] : {
             std::pair{L::max(), L::max()},
             {L::infinity(), 0.0f},
             {L::quiet_NaN(), 0.0f},
         }) {
        EcrivainSequentiel e;
        e.reel(valeur);
        e.entier(7);
        LecteurSequentiel l(e.ligne());
        const std::optional<float> lu = l.reel();
        QVERIFY2(lu.has_value(), e.ligne().constData());
        QCOMPARE(*lu, relu);
        QCOMPARE(l.entier(0, 10), std::optional<qint64>(7));
    }

    for (const char* contenu : {"40000", "abc", "\"12\"", "\"12", "1e999", ""}) {
        LecteurSequentiel l(contenu);
        qint16 v = 42;
        QVERIFY2(!l.lire(v), contenu);
        QCOMPARE(v, qint16(42));
        // Once broken, later reads leave their variables alone.
        QString s = "inchangé";
        QVERIFY(!l.lire(s));
        QCOMPARE(s, QString("inchangé"));
    }
}

void TstParametres::reglages() {
    Options o;
    o.PoliceTexte = "DejaVu Sans";
    o.TaillePolice = 12.5f;
    o.CouleurTexte = 255 + 256 * 128;
    o.EffacerOriginal = 1;
    o.PositionX = 103.25f;
    o.PositionY = 7;
    o.ChaineLiaison = " - ";
    o.ToucheMarquer = 123;
    o.ToucheDemarquer = 120;
    o.PasMolette = 13;
    o.CasseIgnoree = 1;
    // And with LF alone, as an editor may leave it.
    for (const QByteArray& ligne : {o.versLigne(), o.versLigne().replace("\r\n", "\n")}) {
        Options lu;
        QCOMPARE(lu.lire(ligne), 22);
        QVERIFY(lu == o);
    }

    QCOMPARE(Options().versLigne(),
             QByteArray("\"\",0,0,0,0,0,0,0,0,0,0,\" _ \",116,117,0,65280,1,1,0,5,1,0\r\n"));

    // Fields read, link string, wheel step, mark key: what is read before the damage stays.
    const QByteArray defauts = Options().versLigne().chopped(2);
    for (const auto& [contenu, lus, liaison, toucheMarquer] : {
             std::tuple{QByteArray("\"Arial\",10,0,0,0,0,0,1,0,0,0,\" - \",118"), 13, " - ", 118},
             {QByteArray(defauts).replace(",5,1,0", ",99999,1,0"), 19, " _ ", 116},
             // Keys the menus cannot show, a wheel that would not move: the defaults.
             {QByteArray(defauts).replace("116,117", "118,118"), 22, " _ ", 116},
             {QByteArray(defauts).replace(",5,1,0", ",0,1,0"), 22, " _ ", 116},
             {QByteArray("\x01\xff\xfe,\""), 1, " _ ", 116},
         }) {
        Options o;
        QCOMPARE(o.lire(contenu), lus);
        QCOMPARE(o.ChaineLiaison, QString(liaison));
        QCOMPARE(int(o.PasMolette), 5);
        QCOMPARE(int(o.ToucheMarquer), toucheMarquer);
    }

    ParametresPhoto p;
    p.RepertoireDemarrage = "/home/nom/Photos \"2019\"";
    p.AfficherAvertissement = false;
    p.OuvrirDernier = 1;
    QCOMPARE(p.versLigne(), QByteArray("\"/home/nom/Photos \"\"2019\"\"\",#FALSE#,1\r\n"));
    ParametresPhoto lu;
    QCOMPARE(lu.lire(p.versLigne()), 3);
    QCOMPARE(lu.versLigne(), p.versLigne());

    PositionFenetre pos;
    QVERIFY(pos.lire("1200,450\r\n"));
    QCOMPARE(pos.versLigne(), QByteArray("1200,450\r\n"));
    QVERIFY(!PositionFenetre().lire("1200,99999"));

    const QString chemin = "/home/Nom/DataKorvane/DataPhoto";
    QCOMPARE(FichiersParametres::texteSeul(chemin),
             QByteArray("\"/home/Nom/DataKorvane/DataPhoto\"\r\n"));
    QCOMPARE(FichiersParametres::lireTexteSeul(FichiersParametres::texteSeul(chemin)), chemin);
    bool booleenLu = false;
    QCOMPARE(FichiersParametres::lireBooleenSeul("#FALSE#\r\n", &booleenLu), false);
    QVERIFY(booleenLu);
}

// Damaged files of every shape: no crash, no read past the end, and keys and a wheel step
// the menus can use.
void TstParametres::aleatoire() {
    QRandomGenerator hasard(20261206);
    const QByteArray valide = Options().versLigne();
    const QByteArray alphabet("\",#TRUE#FALSE0123456789.-e \r\nabc\xc3\xa9\xff");
    for (int essai = 0; essai < 20000; ++essai) {
        QByteArray contenu = valide.left(hasard.bounded(valide.size() + 1));
        for (char& c : contenu)
            if (hasard.bounded(8) == 0)
                c = alphabet[hasard.bounded(alphabet.size())];
        Options o;
        const int lus = o.lire(contenu);
        QVERIFY(lus >= 0 && lus <= 22);
        QVERIFY(o.PasMolette >= 1);
        QVERIFY(o.ToucheMarquer >= 116 && o.ToucheMarquer <= 123);
        QVERIFY(o.ToucheMarquer != o.ToucheDemarquer);
    }
}

QTEST_GUILESS_MAIN(TstParametres)
#include "tst_parametres.moc"
