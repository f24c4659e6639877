#include "nomincremente.h"
#include "permutationnumero.h"
#include "planincrementation.h"
#include "remplacementsouschaine.h"

#include <QTest>

using namespace NomIncremente;
using namespace PlanIncrementation;
using Etapes = QList<Renommage>;

namespace {

ParametresIncrementation parametres(const QString& chiffreDepart = QStringLiteral("1"),
                                    const QString& titre = {}, int position = 1) {
    ParametresIncrementation p;
    p.ChiffreDepart = chiffreDepart;
    p.NumeroDepart = qint16(chiffreDepart.toInt());
    p.AvecTitre = titre.isEmpty() ? 0 : 1;
    p.TitreListe = titre;
    p.PositionNumero = quint8(position);
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
    void numerosEtTitre();
    void decoupage();
    void numerotation();
    void deuxiemeIncrementationEtRefus();
    void remplacer();
    void permuter();
};

void TstNomIncremente::numerosEtTitre() {
    // Number, entries, start as typed, text: as wide as the last number of the list.
    for (const auto& [nombre, entrees, depart, attendu] : {
             std::tuple{1, 9, "1", "1"},
             {1, 12, "1", "01"},
             {19, 12, "0008", "0019"},
             {1, 3, "1abc", "0001"},
         })
        QCOMPARE(NumeroFormate(nombre, entrees, depart), QString(attendu));

    for (const auto& [texte, valeur] : {
             std::pair{"abc", 0},
             {"-3", -3},
             {"1 2", 12},
             // Halves go to the even number.
             {"2.5", 2},
             {"3.5", 4},
             {"+-3", 0},
         })
        QCOMPARE(ValeurNumerique(texte), qint64(valeur));

    const QString liaison = QStringLiteral(" _ ");
    QCOMPARE(VerifierTitre("a|b", liaison), ErreurTitre::Aucune);
    QCOMPARE(VerifierTitre("Mer _ Plage", liaison), ErreurTitre::ChaineLiaison);
    // Each forbidden character: TstTri::motifs.
    QCOMPARE(VerifierTitre("a:b _ c", liaison), ErreurTitre::CaractereInterdit);
    QCOMPARE(VerifierTitre("", liaison), ErreurTitre::Vide);
}

void TstNomIncremente::decoupage() {
    struct Cas {
        QString nom, extension, texte, numero;
        QStringList morceaux;
    };
    // A name that is not incremented is its own number and its one piece.
    const QList<Cas> cas{
        {"IMG_2.JPG   [M]", ".jpg", "IMG_2", {}, {}},
        // Four characters without their dot would lose it: "Titrejpeg".
        {"photo.jpeg", ".jpeg", "photo", {}, {}},
        {"01_a.jpg", ".jpg", "01_a", {}, {}},
        {"012 _ Plage.jpg   [M]", ".jpg", "012 _ Plage", "012", {"012", "Plage.jpg   [M]"}},
        {" 7 _ 01 _ a.jpg", ".jpg", " 7 _ 01 _ a", "7", {" 7", "01", "a.jpg"}},
    };
    const QString liaison = QStringLiteral(" _ ");
    for (const Cas& c : cas) {
        const bool incremente = !c.morceaux.isEmpty();
        QCOMPARE(Extension(c.nom), c.extension);
        QCOMPARE(TexteSansExtension(c.nom), c.texte);
        QCOMPARE(EstIncremente(c.nom, liaison), incremente);
        QCOMPARE(Numero(c.nom, liaison), incremente ? c.numero : c.nom);
        QCOMPARE(Morceaux(c.nom, liaison), incremente ? c.morceaux : QStringList{c.nom});
    }
}

void TstNomIncremente::numerotation() {
    for (const auto& [entrees, p, attendu] : {
             // A title replaces the text: no second incrementation.
             std::tuple{QStringList{"01 _ a.jpg", "02 _ b.jpg"}, parametres("01", "Mer"),
                        QStringList{"01 _ Mer.jpg", "02 _ Mer.jpg"}},
             {QStringList{"IMG_1.JPG", "b.jpeg"}, parametres("1", "Mer", 2),
              QStringList{"Mer _ 1.jpg", "Mer _ 2.jpeg"}},
             {QStringList{"01 _ a.jpg"}, parametres("1", {}, 2), QStringList{"01 _ a _ 1.jpg"}},
         }) {
        const Numerotation n = PlanNumerotation(entrees, QList<bool>(entrees.size(), true), p);
        // The steps' other fields: the 150 entries below.
        QCOMPARE(nouveaux(n.plan), attendu);
        QVERIFY(!n.dejaIncrementee && !n.plan.refus);
    }

    // 150 entries, three of them selected, one marked; unselected numbered names are widened to
    // three digits, in display order, without a report row or a pause. A name whose first piece is
    // not a number stays as it is.
    QStringList entrees;
    for (int i = 0; i < 150; ++i)
        entrees.append(QStringLiteral("f%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    entrees[5] = QStringLiteral("7 _ x.jpg");
    entrees[40] = QStringLiteral("F040.JPG   [M]");
    entrees[60] = QStringLiteral("12 _ y.jpg");
    entrees[61] = QStringLiteral("123 _ z.jpg");
    entrees[62] = QStringLiteral("Le _ chat.jpg");
    QList<bool> selection(150, false);
    selection[3] = selection[40] = selection[149] = true;
    const Numerotation n = PlanNumerotation(entrees, selection, parametres());
    QCOMPARE(n.plan.etapes, Etapes({{3, "f003.jpg", "001 _ f003.jpg", 0, true, true},
                                    {5, "7 _ x.jpg", "007 _ x.jpg", -1, true, false},
                                    {40, "F040.JPG   [M]", "002 _ F040.jpg", 1, true, true},
                                    {60, "12 _ y.jpg", "012 _ y.jpg", -1, true, false},
                                    {149, "f149.jpg", "003 _ f149.jpg", 2, true, true}}));
}

void TstNomIncremente::deuxiemeIncrementationEtRefus() {
    const QString liaison = QStringLiteral(" _ ");
    const QStringList avant{"01 _ a.jpg", "02 _ b.jpg", "c.jpg"};
    const QList<bool> tous{true, true, true};
    const Numerotation n = PlanNumerotation(avant, tous, parametres());
    QCOMPARE(nouveaux(n.plan), QStringList({"1 _ 01 _ a.jpg", "2 _ 02 _ b.jpg", "3 _ c.jpg"}));
    QVERIFY(n.dejaIncrementee);

    // The removal keeps the first piece and the last: the number just given, the text.
    const PlanRenommage retrait = PlanSuppressionNumero(nouveaux(n.plan), tous, liaison);
    QCOMPARE(retrait.etapes, Etapes({{0, "1 _ 01 _ a.jpg", "1 _ a.jpg", 0, false, true},
                                     {1, "2 _ 02 _ b.jpg", "2 _ b.jpg", 1, false, true},
                                     {2, "3 _ c.jpg", "3 _ c.jpg", 2, false, true}}));

    const QStringList entrees{"03 _ old.jpg", "04 _ old.JPG   [M]", "x.jpg", "005 _ a _ b.png"};
    const QList<bool> selection{true, true, false, true};
    const PlanRenommage plan = PlanRenommageListe(entrees, selection, liaison, "Mer");
    QCOMPARE(plan.etapes, Etapes({{0, "03 _ old.jpg", "03 _ Mer.jpg", 0, false, true},
                                  {1, "04 _ old.JPG   [M]", "04 _ Mer.jpg", 1, false, true},
                                  {3, "005 _ a _ b.png", "005 _ Mer.png", 2, false, true}}));
    QCOMPARE(PremiereNonIncrementee(entrees, selection, liaison), -1);
    QCOMPARE(PremiereNonIncrementee(entrees, {true, false, true, true}, liaison), 2);

    // No number beyond 32767.
    const Numerotation haut = PlanNumerotation({"a.jpg", "b.jpg", "c.jpg", "d.jpg"},
                                               {true, true, true, true}, parametres("32766"));
    QCOMPARE(nouveaux(haut.plan), QStringList({"32766 _ a.jpg", "32767 _ b.jpg"}));
    QVERIFY(haut.plan.refus);

    // A title that would hide the files behind a leading dot stops the batch before them.
    const Numerotation c =
        PlanNumerotation({"a.jpg", "b.jpg"}, {true, true}, parametres("1", ".Vacances", 2));
    QVERIFY(c.plan.etapes.isEmpty() && c.plan.refus);
    QVERIFY(PlanRenommageListe({"1 _ a.jpg"}, {true}, liaison, "x/y").refus);
}

void TstNomIncremente::remplacer() {
    // Name, searched, replacement, start (from 1), how many (negative: all), result.
    for (const auto& [nom, cherchee, remplacement, debut, nombre, attendu] : {
             std::tuple{"01 - a.jpg", " - ", " _ ", 1, -1, "01 _ a.jpg"},
             {"a-a-a-a.jpg", "-", "_", 1, 2, "a_a_a-a.jpg"},
             // The mark is neither searched nor kept.
             {"IMG_1.jpg   [M]", "IMG", "Plage", 1, -1, "Plage_1.jpg"},
             {"IMG_1.jpg", "img", "x", 1, -1, "IMG_1.jpg"},
             // What was put in is not searched again.
             {"aabb.jpg", "ab", "b", 1, -1, "abb.jpg"},
             {"a.jpg", ".jpg", "_x", 1, -1, "a_x"},
         })
        QCOMPARE(RemplacementSousChaine::Remplacer(nom, cherchee, remplacement, debut, nombre),
                 QString(attendu));

    // Entries, selection, searched, replacement, the names after, where the pass stops, two
    // names made equal: among the selected or with an unselected one; an empty name, a
    // hidden one stop the pass at that file.
    for (const auto& [entrees, selection, cherchee, remplacement, nouveaux, arret, doublon] : {
             std::tuple{QStringList{"01 - a.jpg", "02 - b.jpg", "03 - c.jpg"},
                        QList<bool>{true, false, true}, " - ", " _ ",
                        QStringList{"01 _ a.jpg", "02 - b.jpg", "03 _ c.jpg"}, 3, false},
             {QStringList{"xa.jpg", "ya.jpg"}, QList<bool>{true, true}, "x", "y",
              QStringList{"ya.jpg", "ya.jpg"}, 2, true},
             {QStringList{"a.jpg", "x", "b.jpg"}, QList<bool>{true, true, true}, "x", "",
              QStringList{"a.jpg", "", "b.jpg"}, 1, false},
             {QStringList{"_.jpg", "b.jpg"}, QList<bool>{true, true}, "_", "",
              QStringList{".jpg", "b.jpg"}, 0, false},
         }) {
        const RemplacementSousChaine::Remplacement r =
            RemplacementSousChaine::Planifier(entrees, selection, cherchee, remplacement, 1, -1);
        Etapes etapes;
        for (int i = 0; i < arret; ++i)
            if (selection[i])
                etapes.append({i, entrees[i], nouveaux[i], -1, true, false});
        QCOMPARE(r.nouveauxNoms, nouveaux);
        QCOMPARE(r.plan.etapes, etapes);
        QCOMPARE(r.plan.refus, arret < entrees.size());
        QCOMPARE(r.doublon, doublon);
    }
}

void TstNomIncremente::permuter() {
    // Name, link string, swapped; swapped back, the name as the pass writes it.
    for (const auto& [nom, liaison, permute, retour] : {
             std::tuple{"001 _ Plage.jpg", " _ ", "Plage _ 001.jpg", "001 _ Plage.jpg"},
             {"07-Lac.bmp", "-", "Lac-07.bmp", "07-Lac.bmp"},
             {"Plage.jpg", " _ ", "Plage.jpg", "Plage.jpg"},
         }) {
        QCOMPARE(PermutationNumero::Permuter(nom, liaison), QString(permute));
        QCOMPARE(PermutationNumero::Permuter(permute, liaison), QString(retour));
    }

    const PlanRenommage plan = PermutationNumero::Planifier(
        {"001 _ Plage.jpg", "002 _ Mer.JPG", "003 _ .cache.jpg", "004 _ Vue.jpg"}, " _ ");
    // The entries stay as they are; the third would hide its file, so the pass stops there.
    QCOMPARE(plan.etapes, (Etapes{{0, "001 _ Plage.jpg", "Plage _ 001.jpg", 0, false, true},
                                  {1, "002 _ Mer.JPG", "Mer _ 002.jpg", 1, false, true}}));
    QVERIFY(plan.refus);
}

QTEST_GUILESS_MAIN(TstNomIncremente)
#include "tst_nomincremente.moc"
