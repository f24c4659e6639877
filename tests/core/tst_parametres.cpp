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
    void ecriture_data();
    void ecriture();
    void lectureChamps();
    void reelsAllerRetour_data();
    void reelsAllerRetour();
    void lectureEndommagee_data();
    void lectureEndommagee();
    void optionsParDefaut();
    void optionsAllerRetour();
    void optionsEndommagees_data();
    void optionsEndommagees();
    void photoEtPosition();
    void fichiersSeuls();
    void aleatoire();
};

void TstParametres::ecriture_data() {
    // Each value is written by the writer of its type.
    QTest::addColumn<QVariantList>("valeurs");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("texte") << QVariantList{"C:/Users/Nom"} << QByteArray("\"C:/Users/Nom\"\r\n");
    QTest::newRow("texte vide") << QVariantList{""} << QByteArray("\"\"\r\n");
    QTest::newRow("guillemet doublé") << QVariantList{"a\"b"} << QByteArray("\"a\"\"b\"\r\n");
    QTest::newRow("entiers") << QVariantList{116, -5, 0} << QByteArray("116,-5,0\r\n");
    QTest::newRow("réels les plus courts")
        << QVariantList{10.0f, 12.5f, 0.1f, -3.0f} << QByteArray("10,12.5,0.1,-3\r\n");
    QTest::newRow("booléens") << QVariantList{true, false} << QByteArray("#TRUE#,#FALSE#\r\n");
    QTest::newRow("accents en UTF-8")
        << QVariantList{QStringLiteral("Été")} << QByteArray("\"Été\"\r\n");
}

void TstParametres::ecriture() {
    QFETCH(QVariantList, valeurs);
    QFETCH(QByteArray, attendu);
    EcrivainSequentiel e;
    for (const QVariant& v : valeurs) {
        switch (v.typeId()) {
        case QMetaType::Int:
            e.entier(v.toInt());
            break;
        case QMetaType::Float:
            e.reel(v.toFloat());
            break;
        case QMetaType::Bool:
            e.booleen(v.toBool());
            break;
        default:
            e.texte(v.toString());
        }
    }
    QCOMPARE(e.ligne(), attendu);
}

void TstParametres::lectureChamps() {
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
}

void TstParametres::reelsAllerRetour_data() {
    // What the writer writes, the reader reads back, and the field after it still reads.
    QTest::addColumn<float>("valeur");
    QTest::addColumn<float>("relu");
    using L = std::numeric_limits<float>;
    QTest::newRow("plus grand") << L::max() << L::max();
    QTest::newRow("plus petit") << L::lowest() << L::lowest();
    QTest::newRow("plus petit normal") << L::min() << L::min();
    QTest::newRow("plus petit dénormal") << L::denorm_min() << L::denorm_min();
    QTest::newRow("zéro négatif") << -0.0f << -0.0f;
    QTest::newRow("infini écrit 0") << L::infinity() << 0.0f;
    QTest::newRow("indéfini écrit 0") << L::quiet_NaN() << 0.0f;
}

void TstParametres::reelsAllerRetour() {
    QFETCH(float, valeur);
    QFETCH(float, relu);
    EcrivainSequentiel e;
    e.reel(valeur);
    e.entier(7);
    LecteurSequentiel l(e.ligne());
    const std::optional<float> lu = l.reel();
    QVERIFY2(lu.has_value(), e.ligne().constData());
    QCOMPARE(*lu, relu);
    QCOMPARE(l.entier(0, 10), std::optional<qint64>(7));
}

void TstParametres::lectureEndommagee_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::newRow("nombre trop grand pour 16 bits") << QByteArray("40000");
    QTest::newRow("lettres") << QByteArray("abc");
    QTest::newRow("texte entre guillemets") << QByteArray("\"12\"");
    QTest::newRow("guillemet non fermé") << QByteArray("\"12");
    QTest::newRow("infini") << QByteArray("1e999");
    QTest::newRow("vide") << QByteArray("");
}

void TstParametres::lectureEndommagee() {
    QFETCH(QByteArray, contenu);
    LecteurSequentiel l(contenu);
    qint16 v = 42;
    QVERIFY(!l.lire(v));
    QCOMPARE(v, qint16(42));
    // Once broken, later reads leave their variables alone.
    QString s = "inchangé";
    QVERIFY(!l.lire(s));
    QCOMPARE(s, QString("inchangé"));
}

void TstParametres::optionsParDefaut() {
    QCOMPARE(Options().versLigne(),
             QByteArray("\"\",0,0,0,0,0,0,0,0,0,0,\" _ \",116,117,0,65280,1,1,0,5,1,0\r\n"));
}

void TstParametres::optionsAllerRetour() {
    Options o;
    o.PoliceTexte = "DejaVu Sans";
    o.TaillePolice = 12.5f;
    o.PoliceGras = 1;
    o.CouleurTexte = 255 + 256 * 128;
    o.PositionTexte = 4;
    o.EffacerOriginal = 1;
    o.PositionX = 103.25f;
    o.PositionY = 7;
    o.ChaineLiaison = " - ";
    o.ToucheMarquer = 123;
    o.ToucheDemarquer = 120;
    o.CouleurInfos = 255;
    o.PasMolette = 13;
    o.CasseIgnoree = 1;
    Options lu;
    QCOMPARE(lu.lire(o.versLigne()), 22);
    QVERIFY(lu == o);
    // LF alone, as an editor may leave it.
    Options lf;
    QByteArray ligne = o.versLigne();
    ligne.replace("\r\n", "\n");
    QCOMPARE(lf.lire(ligne), 22);
    QVERIFY(lf == o);
}

void TstParametres::optionsEndommagees_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("lus");
    QTest::addColumn<QString>("liaison");
    QTest::addColumn<int>("pas");
    QTest::addColumn<int>("toucheMarquer");
    QTest::newRow("tronqué après la liaison")
        << QByteArray("\"Arial\",10,0,0,0,0,0,1,0,0,0,\" - \",118") << 13 << " - " << 5 << 118;
    QTest::newRow("type faux au champ 13")
        << QByteArray("\"Arial\",10,0,0,0,0,0,1,0,0,0,\" - \",F7,117,0,65280,1,1,0,9,1,0") << 12
        << " - " << 5 << 116;
    QTest::newRow("nombre énorme au champ 20")
        << QByteArray("\"\",0,0,0,0,0,0,0,0,0,0,\" _ \",116,117,0,65280,1,1,0,99999,1,0") << 19
        << " _ " << 5 << 116;
    QTest::newRow("octet hors limite")
        << QByteArray("\"\",0,300,0,0,0,0,0,0,0,0,\" - \",116,117,0,65280,1,1,0,5,1,0") << 2
        << " _ " << 5 << 116;
    QTest::newRow("touches égales: défauts")
        << QByteArray("\"\",0,0,0,0,0,0,0,0,0,0,\" _ \",118,118,0,65280,1,1,0,5,1,0") << 22 << " _ "
        << 5 << 116;
    QTest::newRow("touche hors F5..F12")
        << QByteArray("\"\",0,0,0,0,0,0,0,0,0,0,\" _ \",13,117,0,65280,1,1,0,5,1,0") << 22 << " _ "
        << 5 << 116;
    QTest::newRow("pas nul") << QByteArray(
                                    "\"\",0,0,0,0,0,0,0,0,0,0,\" _ \",116,117,0,65280,1,1,0,0,1,0")
                             << 22 << " _ " << 5 << 116;
    QTest::newRow("octets au hasard") << QByteArray("\x01\xff\xfe,\"") << 1 << " _ " << 5 << 116;
}

void TstParametres::optionsEndommagees() {
    QFETCH(QByteArray, contenu);
    QFETCH(int, lus);
    QFETCH(QString, liaison);
    QFETCH(int, pas);
    QFETCH(int, toucheMarquer);
    Options o;
    QCOMPARE(o.lire(contenu), lus);
    QCOMPARE(o.ChaineLiaison, liaison);
    QCOMPARE(int(o.PasMolette), pas);
    QCOMPARE(int(o.ToucheMarquer), toucheMarquer);
}

void TstParametres::photoEtPosition() {
    ParametresPhoto p;
    p.RepertoireDemarrage = "/home/nom/Photos \"2019\"";
    p.AfficherAvertissement = false;
    p.OuvrirDernier = 1;
    QCOMPARE(p.versLigne(), QByteArray("\"/home/nom/Photos \"\"2019\"\"\",#FALSE#,1\r\n"));
    ParametresPhoto lu;
    QCOMPARE(lu.lire(p.versLigne()), 3);
    QCOMPARE(lu.RepertoireDemarrage, p.RepertoireDemarrage);
    QCOMPARE(lu.AfficherAvertissement, false);
    QCOMPARE(int(lu.OuvrirDernier), 1);

    ParametresPhoto court;
    QCOMPARE(court.lire("\"/x\""), 1);
    QCOMPARE(court.AfficherAvertissement, true);

    PositionFenetre pos;
    QVERIFY(pos.lire("1200,450\r\n"));
    QCOMPARE(int(pos.PosGauche), 1200);
    QCOMPARE(int(pos.PosHaut), 450);
    QCOMPARE(pos.versLigne(), QByteArray("1200,450\r\n"));
    PositionFenetre moitie;
    QVERIFY(!moitie.lire("1200"));
    QCOMPARE(int(moitie.PosGauche), 0);
    QVERIFY(!moitie.lire("1200,99999"));
}

void TstParametres::fichiersSeuls() {
    const QString chemin = "/home/Nom/DataKorvane/DataPhoto";
    QCOMPARE(FichiersParametres::texteSeul(chemin),
             QByteArray("\"/home/Nom/DataKorvane/DataPhoto\"\r\n"));
    QCOMPARE(FichiersParametres::lireTexteSeul(FichiersParametres::texteSeul(chemin)), chemin);
    bool lu = false;
    QCOMPARE(FichiersParametres::lireBooleenSeul("#FALSE#\r\n", &lu), false);
    QVERIFY(lu);
    QCOMPARE(FichiersParametres::lireBooleenSeul("#TRUE#\r\n", &lu), true);
    FichiersParametres::lireBooleenSeul("oui", &lu);
    QVERIFY(!lu);
}

// Damaged files of every shape: no crash, no read past the end, and a prefix of a valid
// line never yields a value that was not in it.
void TstParametres::aleatoire() {
    QRandomGenerator hasard(20261206);
    Options reference;
    reference.PoliceTexte = "Police";
    reference.ChaineLiaison = " = ";
    reference.PasMolette = 42;
    const QByteArray valide = reference.versLigne();
    const QByteArray alphabet("\",#TRUE#FALSE0123456789.-e \r\nabc\xc3\xa9\xff");
    for (int essai = 0; essai < 20000; ++essai) {
        QByteArray contenu;
        if (essai % 2) {
            contenu = valide.left(hasard.bounded(valide.size() + 1));
            if (!contenu.isEmpty() && hasard.bounded(3) == 0)
                contenu[hasard.bounded(contenu.size())] = alphabet[hasard.bounded(alphabet.size())];
        } else {
            const int taille = hasard.bounded(80);
            for (int i = 0; i < taille; ++i)
                contenu += alphabet[hasard.bounded(alphabet.size())];
        }
        Options o;
        const int lus = o.lire(contenu);
        QVERIFY(lus >= 0 && lus <= 22);
        QVERIFY(o.PasMolette >= 1);
        QVERIFY(o.ToucheMarquer >= 116 && o.ToucheMarquer <= 123);
        QVERIFY(o.ToucheMarquer != o.ToucheDemarquer);
        ParametresPhoto p;
        p.lire(contenu);
        PositionFenetre pos;
        pos.lire(contenu);
    }
}

QTEST_GUILESS_MAIN(TstParametres)
#include "tst_parametres.moc"
