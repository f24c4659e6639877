#include "permutationnumero.h"
#include "remplacementsouschaine.h"

#include <QTest>

using Etapes = QList<Renommage>;

class TstRemplacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void remplacer_data();
    void remplacer();
    void planRemplacement_data();
    void planRemplacement();
    void permuter_data();
    void permuter();
    void planPermutation();
};

void TstRemplacement::remplacer_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("cherchee");
    QTest::addColumn<QString>("remplacement");
    QTest::addColumn<qint64>("debut");
    QTest::addColumn<qint64>("nombre");
    QTest::addColumn<QString>("attendu");
    auto ligne = [](const char* nom, const char* n, const char* c, const char* r, qint64 d,
                    qint64 k, const char* a) {
        QTest::newRow(nom) << QString::fromUtf8(n) << QString::fromUtf8(c) << QString::fromUtf8(r)
                           << d << k << QString::fromUtf8(a);
    };
    ligne("tiret en liaison", "01 - a.jpg", " - ", " _ ", 1, -1, "01 _ a.jpg");
    ligne("depuis le 4e caractère", "abcabc.jpg", "abc", "X", 4, -1, "abcX.jpg");
    ligne("une seule fois", "abcabc.jpg", "abc", "X", 1, 1, "Xabc.jpg");
    ligne("deux fois sur trois", "a-a-a-a.jpg", "-", "_", 1, 2, "a_a_a-a.jpg");
    ligne("toutes, nombre négatif", "a-a-a.jpg", "-", "_", 1, -5, "a_a_a.jpg");
    ligne("aucune, nombre 0", "a-a.jpg", "-", "_", 1, 0, "a-a.jpg");
    ligne("nom marqué", "IMG_1.jpg   [M]", "IMG", "Plage", 1, -1, "Plage_1.jpg");
    ligne("marqué sans occurrence", "IMG_1.jpg   [M]", "zz", "y", 1, -1, "IMG_1.jpg");
    ligne("la marque n'est pas cherchée", "a.jpg   [M]", "[M]", "x", 1, -1, "a.jpg");
    ligne("début dans la marque", "ab.jpg   [M]", "b", "X", 9, -1, "ab.jpg");
    ligne("chaine vide", "IMG_1.jpg", "", "x", 1, -1, "IMG_1.jpg");
    ligne("casse respectée", "IMG_1.jpg", "img", "x", 1, -1, "IMG_1.jpg");
    ligne("sans relecture du remplacé", "aabb.jpg", "ab", "b", 1, -1, "abb.jpg");
    ligne("remplacement qui contient la chaine", "aa.jpg", "a", "aa", 1, -1, "aaaa.jpg");
    ligne("occurrences accolées", "aaaa.jpg", "aa", "X", 1, -1, "XX.jpg");
    ligne("remplacement vide", "01 - a.jpg", " - ", "", 1, -1, "01a.jpg");
    ligne("début au-delà du nom", "abc.jpg", "abc", "X", 50, -1, "abc.jpg");
    ligne("début sur le dernier caractère", "abc.jpg", "g", "G", 7, -1, "abc.jpG");
    ligne("dans l'extension", "a.jpg", ".jpg", "_x", 1, -1, "a_x");
    ligne("chaine de liaison", "01 _ a _ b.jpg", " _ ", " - ", 1, 1, "01 - a _ b.jpg");
}

void TstRemplacement::remplacer() {
    QFETCH(QString, nom);
    QFETCH(QString, cherchee);
    QFETCH(QString, remplacement);
    QFETCH(qint64, debut);
    QFETCH(qint64, nombre);
    QFETCH(QString, attendu);
    QCOMPARE(RemplacementSousChaine::Remplacer(nom, cherchee, remplacement, debut, nombre),
             attendu);
}

void TstRemplacement::planRemplacement_data() {
    QTest::addColumn<QStringList>("entrees");
    QTest::addColumn<QList<bool>>("selection");
    QTest::addColumn<QString>("cherchee");
    QTest::addColumn<QString>("remplacement");
    QTest::addColumn<QStringList>("nouveaux");
    QTest::addColumn<Etapes>("etapes");
    QTest::addColumn<bool>("refus");
    QTest::addColumn<bool>("doublon");
    QTest::newRow("deux sélectionnés sur trois")
        << QStringList{"01 - a.jpg", "02 - b.jpg", "03 - c.jpg"} << QList<bool>{true, false, true}
        << " - "
        << " _ " << QStringList{"01 _ a.jpg", "02 - b.jpg", "03 _ c.jpg"}
        << Etapes{{0, "01 - a.jpg", "01 _ a.jpg", -1, true, false},
                  {2, "03 - c.jpg", "03 _ c.jpg", -1, true, false}}
        << false << false;
    QTest::newRow("deux sélectionnés vers un même nom")
        << QStringList{"xa.jpg", "ya.jpg"} << QList<bool>{true, true} << "x"
        << "y" << QStringList{"ya.jpg", "ya.jpg"}
        << Etapes{{0, "xa.jpg", "ya.jpg", -1, true, false},
                  {1, "ya.jpg", "ya.jpg", -1, true, false}}
        << false << true;
    QTest::newRow("vers le nom d'un non sélectionné")
        << QStringList{"a1.jpg", "b1.jpg"} << QList<bool>{true, false} << "a"
        << "b" << QStringList{"b1.jpg", "b1.jpg"}
        << Etapes{{0, "a1.jpg", "b1.jpg", -1, true, false}} << false << true;
    QTest::newRow("nom vide : arrêt à ce fichier")
        << QStringList{"a.jpg", "x", "b.jpg"} << QList<bool>{true, true, true} << "x"
        << "" << QStringList{"a.jpg", "", "b.jpg"} << Etapes{{0, "a.jpg", "a.jpg", -1, true, false}}
        << true << false;
    QTest::newRow("nom commençant par un point")
        << QStringList{"_.jpg", "b.jpg"} << QList<bool>{true, true} << "_"
        << "" << QStringList{".jpg", "b.jpg"} << Etapes{} << true << false;
}

void TstRemplacement::planRemplacement() {
    QFETCH(QStringList, entrees);
    QFETCH(QList<bool>, selection);
    QFETCH(QString, cherchee);
    QFETCH(QString, remplacement);
    QFETCH(QStringList, nouveaux);
    QFETCH(Etapes, etapes);
    QFETCH(bool, refus);
    QFETCH(bool, doublon);
    const RemplacementSousChaine::Remplacement r =
        RemplacementSousChaine::Planifier(entrees, selection, cherchee, remplacement, 1, -1);
    QCOMPARE(r.nouveauxNoms, nouveaux);
    QCOMPARE(r.plan.etapes, etapes);
    QCOMPARE(r.plan.refus, refus);
    QCOMPARE(r.doublon, doublon);
}

void TstRemplacement::permuter_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("liaison");
    QTest::addColumn<QString>("permute");
    QTest::addColumn<QString>("retour");
    auto ligne = [](const char* titre, const char* n, const char* l, const char* p, const char* r) {
        QTest::newRow(titre) << QString::fromUtf8(n) << QString::fromUtf8(l) << QString::fromUtf8(p)
                             << QString::fromUtf8(r);
    };
    ligne("numéro à gauche", "001 _ Plage.jpg", " _ ", "Plage _ 001.jpg", "001 _ Plage.jpg");
    ligne("numéro à droite", "Plage _ 001.jpg", " _ ", "001 _ Plage.jpg", "Plage _ 001.jpg");
    ligne("extension en capitales", "002 _ Mer.JPG", " _ ", "Mer _ 002.jpg", "002 _ Mer.jpg");
    ligne("deux chaines de liaison", "004 _ 012 _ Vue.jpg", " _ ", "Vue _ 004.jpg",
          "004 _ Vue.jpg");
    ligne("nom marqué", "003 _ Port.jpg   [M]", " _ ", "Port _ 003.jpg", "003 _ Port.jpg");
    ligne("autre liaison", "07-Lac.bmp", "-", "Lac-07.bmp", "07-Lac.bmp");
    ligne("extension de cinq caractères", "01 _ Photo.jpeg", " _ ", "Photo _ 01.jpeg",
          "01 _ Photo.jpeg");
    ligne("texte vide", "01 _ .jpg", " _ ", " _ 01.jpg", "01 _ .jpg");
    ligne("non incrémenté", "Plage.jpg", " _ ", "Plage.jpg", "Plage.jpg");
}

void TstRemplacement::permuter() {
    QFETCH(QString, nom);
    QFETCH(QString, liaison);
    QFETCH(QString, permute);
    QFETCH(QString, retour);
    QCOMPARE(PermutationNumero::Permuter(nom, liaison), permute);
    QCOMPARE(PermutationNumero::Permuter(permute, liaison), retour);
}

void TstRemplacement::planPermutation() {
    const PlanRenommage plan = PermutationNumero::Planifier(
        {"001 _ Plage.jpg", "002 _ Mer.JPG", "003 _ .cache.jpg", "004 _ Vue.jpg"}, " _ ");
    // The entries stay as they are; the third would hide its file, so the pass stops there.
    QCOMPARE(plan.etapes, (Etapes{{0, "001 _ Plage.jpg", "Plage _ 001.jpg", 0, false, true},
                                  {1, "002 _ Mer.JPG", "Mer _ 002.jpg", 1, false, true}}));
    QVERIFY(plan.refus);
}

QTEST_GUILESS_MAIN(TstRemplacement)
#include "tst_remplacement.moc"
