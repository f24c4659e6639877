#include "permutationnumero.h"
#include "remplacementsouschaine.h"

#include <QTest>

using Etapes = QList<Renommage>;

class TstRemplacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void remplacer();
    void planRemplacement();
    void permuter();
};

void TstRemplacement::remplacer() {
    // Name, searched, replacement, start (from 1), how many (negative: all), result.
    for (const auto& [nom, cherchee, remplacement, debut, nombre, attendu] : {
             std::tuple{"01 - a.jpg", " - ", " _ ", 1, -1, "01 _ a.jpg"},
             {"abcabc.jpg", "abc", "X", 4, -1, "abcX.jpg"},
             {"abcabc.jpg", "abc", "X", 1, 1, "Xabc.jpg"},
             {"a-a-a-a.jpg", "-", "_", 1, 2, "a_a_a-a.jpg"},
             {"a-a-a.jpg", "-", "_", 1, -5, "a_a_a.jpg"},
             {"a-a.jpg", "-", "_", 1, 0, "a-a.jpg"},
             // The mark is neither searched nor kept.
             {"IMG_1.jpg   [M]", "IMG", "Plage", 1, -1, "Plage_1.jpg"},
             {"a.jpg   [M]", "[M]", "x", 1, -1, "a.jpg"},
             {"ab.jpg   [M]", "b", "X", 9, -1, "ab.jpg"},
             {"IMG_1.jpg", "", "x", 1, -1, "IMG_1.jpg"},
             {"IMG_1.jpg", "img", "x", 1, -1, "IMG_1.jpg"},
             // What was put in is not searched again.
             {"aabb.jpg", "ab", "b", 1, -1, "abb.jpg"},
             {"aa.jpg", "a", "aa", 1, -1, "aaaa.jpg"},
             {"01 - a.jpg", " - ", "", 1, -1, "01a.jpg"},
             {"abc.jpg", "abc", "X", 50, -1, "abc.jpg"},
             {"abc.jpg", "g", "G", 7, -1, "abc.jpG"},
             {"a.jpg", ".jpg", "_x", 1, -1, "a_x"},
         })
        QCOMPARE(RemplacementSousChaine::Remplacer(nom, cherchee, remplacement, debut, nombre),
                 QString(attendu));
}

void TstRemplacement::planRemplacement() {
    // Entries, selection, searched, replacement, the names after, where the pass stops, two
    // names made equal: among the selected or with an unselected one; an empty name, a
    // hidden one stop the pass at that file.
    for (const auto& [entrees, selection, cherchee, remplacement, nouveaux, arret, doublon] : {
             std::tuple{QStringList{"01 - a.jpg", "02 - b.jpg", "03 - c.jpg"},
                        QList<bool>{true, false, true}, " - ", " _ ",
                        QStringList{"01 _ a.jpg", "02 - b.jpg", "03 _ c.jpg"}, 3, false},
             {QStringList{"xa.jpg", "ya.jpg"}, QList<bool>{true, true}, "x", "y",
              QStringList{"ya.jpg", "ya.jpg"}, 2, true},
             {QStringList{"a1.jpg", "b1.jpg"}, QList<bool>{true, false}, "a", "b",
              QStringList{"b1.jpg", "b1.jpg"}, 2, true},
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

void TstRemplacement::permuter() {
    // Name, link string, swapped; swapped back, the name as the pass writes it.
    for (const auto& [nom, liaison, permute, retour] : {
             std::tuple{"001 _ Plage.jpg", " _ ", "Plage _ 001.jpg", "001 _ Plage.jpg"},
             {"Plage _ 001.jpg", " _ ", "001 _ Plage.jpg", "Plage _ 001.jpg"},
             {"002 _ Mer.JPG", " _ ", "Mer _ 002.jpg", "002 _ Mer.jpg"},
             {"004 _ 012 _ Vue.jpg", " _ ", "Vue _ 004.jpg", "004 _ Vue.jpg"},
             {"003 _ Port.jpg   [M]", " _ ", "Port _ 003.jpg", "003 _ Port.jpg"},
             {"07-Lac.bmp", "-", "Lac-07.bmp", "07-Lac.bmp"},
             {"01 _ Photo.jpeg", " _ ", "Photo _ 01.jpeg", "01 _ Photo.jpeg"},
             {"01 _ .jpg", " _ ", " _ 01.jpg", "01 _ .jpg"},
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

QTEST_GUILESS_MAIN(TstRemplacement)
#include "tst_remplacement.moc"
