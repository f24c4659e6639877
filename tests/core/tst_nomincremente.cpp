#include "nomincremente.h"
#include "planincrementation.h"

#include <QTest>

using namespace NomIncremente;
using namespace PlanIncrementation;
using Etapes = QList<Renommage>;

Q_DECLARE_METATYPE(ErreurTitre)
Q_DECLARE_METATYPE(ParametresIncrementation)

namespace {

ParametresIncrementation parametres(const QString& chiffreDepart = QStringLiteral("1"),
                                    const QString& titre = {}) {
    ParametresIncrementation p;
    p.ChiffreDepart = chiffreDepart;
    p.NumeroDepart = qint16(chiffreDepart.toInt());
    p.AvecTitre = titre.isEmpty() ? 0 : 1;
    p.TitreListe = titre;
    return p;
}

QStringList nouveaux(const PlanRenommage& plan) {
    QStringList noms;
    for (const Renommage& r : plan.etapes)
        noms.append(r.nouveau);
    return noms;
}

} // namespace

class TstNomIncremente : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numeroFormate_data();
    void numeroFormate();
    void decoupage_data();
    void decoupage();
    void valeurNumerique_data();
    void valeurNumerique();
    void titre_data();
    void titre();
    void numerotation_data();
    void numerotation();
    void reparationDeLargeur();
    void deuxiemeIncrementation();
    void renommageDeListe();
    void numeroAuDelaDe32767();
};

void TstNomIncremente::numeroFormate_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<int>("entrees");
    QTest::addColumn<QString>("depart");
    QTest::addColumn<QString>("attendu");
    const auto ligne = [](const char* nom, int nombre, int entrees, const char* depart,
                          const char* attendu) {
        QTest::newRow(nom) << nombre << entrees << QString(depart) << QString(attendu);
    };
    ligne("9 fichiers, 1", 1, 9, "1", "1");
    ligne("9 fichiers, 9", 9, 9, "1", "9");
    ligne("12 fichiers, 1", 1, 12, "1", "01");
    ligne("12 fichiers, 12", 12, 12, "1", "12");
    ligne("150 fichiers, 1", 1, 150, "1", "001");
    ligne("150 fichiers, 150", 150, 150, "1", "150");
    ligne("9 fichiers depuis 001", 9, 9, "001", "009");
    ligne("12 fichiers depuis 0008", 8, 12, "0008", "0008");
    ligne("12 fichiers depuis 0008, dernier", 19, 12, "0008", "0019");
    ligne("plus large que la liste", 100, 12, "90", "100");
    ligne("espaces du départ ignorés", 5, 3, " 5 ", "5");
    ligne("texte après le nombre compte", 1, 3, "1abc", "0001");
}

void TstNomIncremente::numeroFormate() {
    QFETCH(int, nombre);
    QFETCH(int, entrees);
    QFETCH(QString, depart);
    QFETCH(QString, attendu);
    QCOMPARE(NumeroFormate(nombre, entrees, depart), attendu);
}

void TstNomIncremente::decoupage_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("incremente");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QStringList>("morceaux");
    // A name that is not incremented is its own number and its one piece.
    const auto simple = [](const char* ligne, const QString& nom, const char* extension,
                           const char* texte) {
        QTest::newRow(ligne) << nom << QString(extension) << QString(texte) << false << nom
                             << QStringList{nom};
    };
    simple("simple", "IMG_1.JPG", ".jpg", "IMG_1");
    simple("marqué", "IMG_2.JPG   [M]", ".jpg", "IMG_2");
    simple("marqué deux fois", "d.JPG   [M]   [M]", ".jpg   [M]", "d");
    simple("crochets sans la marque", "Note [M]", "", "Note [M]");
    // Four characters without their dot would lose it: "Titrejpeg".
    simple("jpeg", "photo.jpeg", ".jpeg", "photo");
    simple("accents et points", "Été à Nice.2019.JPG", ".jpg", "Été à Nice.2019");
    simple("sans extension", "README", "", "README");
    simple("nom court gardé entier", "ab", "", "ab");
    simple("extension d'une lettre", "a.b", ".b", "a");
    simple("liaison sans espaces n'est pas la liaison", "01_a.jpg", ".jpg", "01_a");
    QTest::newRow("incrémenté") << "012 _ Plage.jpg"
                                << ".jpg"
                                << "012 _ Plage" << true << "012"
                                << QStringList{"012", "Plage.jpg"};
    QTest::newRow("incrémenté et marqué")
        << "012 _ Plage.jpg   [M]"
        << ".jpg"
        << "012 _ Plage" << true << "012" << QStringList{"012", "Plage.jpg   [M]"};
    QTest::newRow("deux fois") << " 7 _ 01 _ a.jpg"
                               << ".jpg"
                               << " 7 _ 01 _ a" << true << "7" << QStringList{" 7", "01", "a.jpg"};
}

void TstNomIncremente::decoupage() {
    QFETCH(QString, nom);
    QFETCH(QString, extension);
    QFETCH(QString, texte);
    QFETCH(bool, incremente);
    QFETCH(QString, numero);
    QFETCH(QStringList, morceaux);
    const QString liaison = QStringLiteral(" _ ");
    QCOMPARE(Extension(nom), extension);
    QCOMPARE(TexteSansExtension(nom), texte);
    QCOMPARE(EstIncremente(nom, liaison), incremente);
    QCOMPARE(Numero(nom, liaison), numero);
    QCOMPARE(Morceaux(nom, liaison), morceaux);
}

void TstNomIncremente::valeurNumerique_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<qint64>("valeur");
    QTest::newRow("1") << "1" << qint64(1);
    QTest::newRow("zéros en tête") << "001" << qint64(1);
    QTest::newRow("0008") << "0008" << qint64(8);
    QTest::newRow("zéro") << "0" << qint64(0);
    QTest::newRow("lettres") << "abc" << qint64(0);
    QTest::newRow("vide") << "" << qint64(0);
    QTest::newRow("négatif") << "-3" << qint64(-3);
    QTest::newRow("plus") << "+7" << qint64(7);
    QTest::newRow("au-delà de 16 bits") << "99999" << qint64(99999);
    QTest::newRow("texte après") << " 12abc" << qint64(12);
    QTest::newRow("espaces dans le nombre") << "1 2" << qint64(12);
    QTest::newRow("demi vers le pair, bas") << "2.5" << qint64(2);
    QTest::newRow("demi vers le pair, haut") << "3.5" << qint64(4);
    QTest::newRow("pas d'exposant") << "1e3" << qint64(1);
    QTest::newRow("deux signes") << "+-3" << qint64(0);
}

void TstNomIncremente::valeurNumerique() {
    QFETCH(QString, texte);
    QFETCH(qint64, valeur);
    QCOMPARE(ValeurNumerique(texte), valeur);
}

void TstNomIncremente::titre_data() {
    QTest::addColumn<QString>("titre");
    QTest::addColumn<ErreurTitre>("erreur");
    QTest::newRow("Vacances") << "Vacances" << ErreurTitre::Aucune;
    QTest::newRow("barre verticale permise") << "a|b" << ErreurTitre::Aucune;
    QTest::newRow("souligné seul permis") << "a_b" << ErreurTitre::Aucune;
    const QString interdits = QStringLiteral("\\/:*?\"<>");
    for (const QChar c : interdits)
        QTest::newRow(qPrintable(QStringLiteral("interdit %1").arg(c)))
            << QStringLiteral("a%1b").arg(c) << ErreurTitre::CaractereInterdit;
    QTest::newRow("liaison") << "Mer _ Plage" << ErreurTitre::ChaineLiaison;
    QTest::newRow("interdit avant liaison") << "a:b _ c" << ErreurTitre::CaractereInterdit;
    QTest::newRow("vide") << "" << ErreurTitre::Vide;
}

void TstNomIncremente::titre() {
    QFETCH(QString, titre);
    QFETCH(ErreurTitre, erreur);
    QCOMPARE(VerifierTitre(titre, QStringLiteral(" _ ")), erreur);
}

void TstNomIncremente::numerotation_data() {
    QTest::addColumn<QStringList>("entrees");
    QTest::addColumn<ParametresIncrementation>("p");
    QTest::addColumn<QStringList>("attendu");
    QTest::addColumn<bool>("deja");
    QStringList douze;
    for (int i = 1; i <= 12; ++i)
        douze.append(QStringLiteral("IMG_%1.JPG").arg(i));
    QTest::newRow("12 fichiers, titre Vacances")
        << douze << parametres("1", "Vacances")
        << QStringList{"01 _ Vacances.jpg", "02 _ Vacances.jpg", "03 _ Vacances.jpg",
                       "04 _ Vacances.jpg", "05 _ Vacances.jpg", "06 _ Vacances.jpg",
                       "07 _ Vacances.jpg", "08 _ Vacances.jpg", "09 _ Vacances.jpg",
                       "10 _ Vacances.jpg", "11 _ Vacances.jpg", "12 _ Vacances.jpg"}
        << false;
    QStringList douzeMarque = douze;
    douzeMarque[1] = QStringLiteral("IMG_2.JPG   [M]");
    QTest::newRow("12 fichiers sans titre, IMG_2 marqué")
        << douzeMarque << parametres()
        << QStringList{"01 _ IMG_1.jpg", "02 _ IMG_2.jpg",  "03 _ IMG_3.jpg",  "04 _ IMG_4.jpg",
                       "05 _ IMG_5.jpg", "06 _ IMG_6.jpg",  "07 _ IMG_7.jpg",  "08 _ IMG_8.jpg",
                       "09 _ IMG_9.jpg", "10 _ IMG_10.jpg", "11 _ IMG_11.jpg", "12 _ IMG_12.jpg"}
        << false;
    QStringList marque = douze.mid(0, 3);
    marque[1] = QStringLiteral("IMG_2.JPG   [M]");
    QTest::newRow("sans titre, marque retirée")
        << marque << parametres() << QStringList{"1 _ IMG_1.jpg", "2 _ IMG_2.jpg", "3 _ IMG_3.jpg"}
        << false;
    QTest::newRow("départ 0008") << marque << parametres("0008", "T")
                                 << QStringList{"0008 _ T.jpg", "0009 _ T.jpg", "0010 _ T.jpg"}
                                 << false;
    QTest::newRow("deuxième incrémentation")
        << QStringList{"01 _ a.jpg", "02 _ b.jpg"} << parametres()
        << QStringList{"1 _ 01 _ a.jpg", "2 _ 02 _ b.jpg"} << true;
    QTest::newRow("titre: pas de deuxième incrémentation")
        << QStringList{"01 _ a.jpg", "02 _ b.jpg"} << parametres("01", "Mer")
        << QStringList{"01 _ Mer.jpg", "02 _ Mer.jpg"} << false;
    ParametresIncrementation droite = parametres("1", "Mer");
    droite.PositionNumero = 2;
    QTest::newRow("à droite") << QStringList{"IMG_1.JPG", "b.jpeg"} << droite
                              << QStringList{"Mer _ 1.jpg", "Mer _ 2.jpeg"} << false;
    ParametresIncrementation droiteSansTitre = parametres();
    droiteSansTitre.PositionNumero = 2;
    QTest::newRow("à droite sans titre, liaison déjà là")
        << QStringList{"01 _ a.jpg"} << droiteSansTitre << QStringList{"01 _ a _ 1.jpg"} << false;
    ParametresIncrementation autre = parametres("1", "Été");
    autre.ChaineLiaison = QStringLiteral("-");
    QTest::newRow("autre liaison")
        << QStringList{"x.png"} << autre << QStringList{"1-Été.png"} << false;
}

void TstNomIncremente::numerotation() {
    QFETCH(QStringList, entrees);
    QFETCH(ParametresIncrementation, p);
    QFETCH(QStringList, attendu);
    QFETCH(bool, deja);
    const Numerotation n = PlanNumerotation(entrees, QList<bool>(entrees.size(), true), p);
    QCOMPARE(nouveaux(n.plan), attendu);
    QCOMPARE(n.dejaIncrementee, deja);
    QVERIFY(!n.plan.refus);
    for (int i = 0; i < n.plan.etapes.size(); ++i) {
        QCOMPARE(n.plan.etapes[i].entree, i);
        QCOMPARE(n.plan.etapes[i].ancien, entrees[i]);
        QCOMPARE(n.plan.etapes[i].rangRapport, i);
    }
}

void TstNomIncremente::reparationDeLargeur() {
    // 150 entries, three of them selected; unselected numbered names are widened to three
    // digits, in display order, without a report row or a pause. A name whose first piece is
    // not a number stays as it is.
    QStringList entrees;
    for (int i = 0; i < 150; ++i)
        entrees.append(QStringLiteral("f%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    entrees[5] = QStringLiteral("7 _ x.jpg");
    entrees[60] = QStringLiteral("12 _ y.jpg");
    entrees[61] = QStringLiteral("123 _ z.jpg");
    entrees[62] = QStringLiteral("Le _ chat.jpg");
    QList<bool> selection(150, false);
    selection[3] = selection[40] = selection[149] = true;
    const Numerotation n = PlanNumerotation(entrees, selection, parametres());
    QCOMPARE(n.plan.etapes, Etapes({{3, "f003.jpg", "001 _ f003.jpg", 0, true, true},
                                    {5, "7 _ x.jpg", "007 _ x.jpg", -1, true, false},
                                    {40, "f040.jpg", "002 _ f040.jpg", 1, true, true},
                                    {60, "12 _ y.jpg", "012 _ y.jpg", -1, true, false},
                                    {149, "f149.jpg", "003 _ f149.jpg", 2, true, true}}));
}

void TstNomIncremente::deuxiemeIncrementation() {
    const QStringList avant{"01 _ a.jpg", "02 _ b.jpg", "c.jpg"};
    const QList<bool> tous{true, true, true};
    const Numerotation n = PlanNumerotation(avant, tous, parametres());
    QCOMPARE(nouveaux(n.plan), QStringList({"1 _ 01 _ a.jpg", "2 _ 02 _ b.jpg", "3 _ c.jpg"}));
    QVERIFY(n.dejaIncrementee);

    // The removal keeps the first piece and the last: the number just given, the text.
    const PlanRenommage retrait =
        PlanSuppressionNumero(nouveaux(n.plan), tous, QStringLiteral(" _ "));
    QCOMPARE(retrait.etapes, Etapes({{0, "1 _ 01 _ a.jpg", "1 _ a.jpg", 0, false, true},
                                     {1, "2 _ 02 _ b.jpg", "2 _ b.jpg", 1, false, true},
                                     {2, "3 _ c.jpg", "3 _ c.jpg", 2, false, true}}));

    const PlanRenommage marque = PlanSuppressionNumero(
        {"x.jpg", "01 _ 05 _ 9 _ a.jpg   [M]", "b.jpg"}, {false, true, true}, " _ ");
    QCOMPARE(nouveaux(marque), QStringList({"01 _ a.jpg   [M]", "b.jpg"}));
}

void TstNomIncremente::renommageDeListe() {
    const QString liaison = QStringLiteral(" _ ");
    const QStringList entrees{"03 _ old.jpg", "04 _ old.JPG   [M]", "x.jpg", "005 _ a _ b.png"};
    const QList<bool> selection{true, true, false, true};
    const PlanRenommage plan = PlanRenommageListe(entrees, selection, liaison, "Mer");
    QCOMPARE(plan.etapes, Etapes({{0, "03 _ old.jpg", "03 _ Mer.jpg", 0, false, true},
                                  {1, "04 _ old.JPG   [M]", "04 _ Mer.jpg", 1, false, true},
                                  {3, "005 _ a _ b.png", "005 _ Mer.png", 2, false, true}}));
    QCOMPARE(PremiereNonIncrementee(entrees, selection, liaison), -1);
    QCOMPARE(PremiereNonIncrementee(entrees, {true, false, true, true}, liaison), 2);
}

void TstNomIncremente::numeroAuDelaDe32767() {
    ParametresIncrementation p = parametres("32766");
    const Numerotation n =
        PlanNumerotation({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}, {true, true, true, true}, p);
    QCOMPARE(nouveaux(n.plan), QStringList({"32766 _ a.jpg", "32767 _ b.jpg"}));
    QVERIFY(n.plan.refus);

    // A title that would hide the files behind a leading dot stops the batch before them.
    ParametresIncrementation cache = parametres("1", ".Vacances");
    cache.PositionNumero = 2;
    const Numerotation c = PlanNumerotation({"a.jpg", "b.jpg"}, {true, true}, cache);
    QVERIFY(c.plan.etapes.isEmpty());
    QVERIFY(c.plan.refus);
    QVERIFY(PlanRenommageListe({"1 _ a.jpg"}, {true}, " _ ", "x/y").refus);
}

QTEST_GUILESS_MAIN(TstNomIncremente)
#include "tst_nomincremente.moc"
