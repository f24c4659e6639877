#include "historiquedossiers.h"
#include "journal.h"
#include "listesdossiers.h"
#include "operationsfichiers.h"
#include "textelistes.h"

#include <QRandomGenerator>
#include <QTest>

using ListesDossiers::Paire;
using OperationsFichiers::RefusNom;

using namespace Journal;

namespace {

using Paires = QList<QPair<QString, QString>>;

// Plans the way back and plays it on a folder of names: no move may land on a taken name or
// start from a missing one. A file stays where it is exactly when following the holders of
// its target ends on a stranger's file (a cycle does not); every other file gets its name.
// Checks the count of temporary names when one is given.
void verifierRetour(const Paires& paires, const QSet<QString>& occupes, int temporaires = -1) {
    const Plan plan = PlanifierRetour(paires, occupes, NomTemporaire);
    QHash<QString, int> source;
    for (int i = 0; i < paires.size(); ++i)
        source.insert(paires[i].first, i);
    // Where each pair's file is as the plan is played.
    QHash<QString, int> fichier = source;
    QSet<QString> tenus = occupes;
    for (const Mouvement& m : plan.mouvements) {
        QVERIFY2(tenus.contains(m.de) && !tenus.contains(m.vers),
                 qPrintable(m.de + " -> " + m.vers));
        tenus.remove(m.de);
        tenus.insert(m.vers);
        if (fichier.contains(m.de))
            fichier.insert(m.vers, fichier.take(m.de));
    }
    for (int i = 0; i < paires.size(); ++i) {
        QSet<int> vus;
        int j = i;
        bool bloque = false;
        while (!vus.contains(j)) {
            vus.insert(j);
            const QString& cible = paires[j].second;
            if (cible == paires[j].first)
                break;
            if (!source.contains(cible)) {
                bloque = occupes.contains(cible);
                break;
            }
            j = source.value(cible);
        }
        QCOMPARE(plan.laisses.contains(i), bloque);
        QCOMPARE(fichier.key(i), bloque ? paires[i].first : paires[i].second);
    }
    if (temporaires >= 0)
        QCOMPARE(int(std::count_if(plan.mouvements.cbegin(), plan.mouvements.cend(),
                                   [](const Mouvement& m) { return m.etape < 0; })),
                 temporaires);
}

} // namespace

class TstOperationsFichiers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dossiers();
    void messagesEtNoms();
    void retour();
};

void TstOperationsFichiers::dossiers() {
    const QList<Paire> deux{{"Été", "/photos/été"}, {"/a", "/a"}};
    for (const auto& [contenu, attendu] : {
             std::pair{QByteArray("Été\r\n/photos/été\r\n/a\r\n/a\r\n"), deux},
             // A lost name: the path stays, named by itself; an odd name alone drops.
             {QByteArray("/b\r\nA\r\n/a\r\n"), QList<Paire>{{"/b", "/b"}, {"A", "/a"}}},
             {QByteArray("A\r\n/a\r\nB\r\n"), QList<Paire>{{"A", "/a"}}},
         }) {
        QCOMPARE(ListesDossiers::LirePaires(contenu), attendu);
        QCOMPARE(ListesDossiers::LirePaires(ListesDossiers::EcrirePaires(attendu)), attendu);
    }

    QCOMPARE(ListesDossiers::LireDossiers("/a/\r\n/b\nrelatif\r\n\r\n"),
             QStringList({"/a/", "/b/"}));
    QCOMPARE(ListesDossiers::EcrireDossiers({"/a/", "/b/"}), QByteArray("/a/\r\n/b/\r\n"));
    // Lines are dropped by their text, those of another program of the same name too.
    QCOMPARE(ListesDossiers::RetirerLignes("Gimp\r\n/usr/bin/gimp\r\nGimp\n/opt/gimp\r\n",
                                           {"Gimp", "/usr/bin/gimp"}),
             QByteArray("/opt/gimp\r\n"));
    // A folder renamed: the paths into it follow, trailing "/" kept; a longer name does not.
    for (const auto& [avant, apres] : {std::pair{"/p/2019/juin/", "/p/2019-Vacances/juin/"},
                                       {"/p/2019", "/p/2019-Vacances"},
                                       {"/p/20190", "/p/20190"}})
        QCOMPARE(ListesDossiers::DeplacerChemin(avant, "/p/2019", "/p/2019-Vacances"),
                 QString(apres));
    for (const auto& [chemin, nom] :
         {std::pair{"/opt/Retouche.AppImage", "Retouche"}, {"/usr/bin/gimp-2.10", "gimp-2.10"}})
        QCOMPARE(OperationsFichiers::NomProposeProgramme(chemin), QString(nom));

    HistoriqueDossiers h;
    for (const char* dossier : {"/A", "/B", "/C"})
        h.Enregistrer(dossier);
    QCOMPARE(h.Reculer(), QString("/B"));
    QCOMPARE(h.Reculer(), QString("/A"));
    QCOMPARE(h.Avancer(), QString("/B"));
    // A new folder goes at the end even from further back.
    h.Enregistrer("/D");
    QCOMPARE(h.Historique(), QStringList({"/A", "/B", "/C", "/D"}));
}

void TstOperationsFichiers::messagesEtNoms() {
    QStringList noms;
    for (int i = 1; i <= 20; ++i)
        noms.append(QStringLiteral("f%1").arg(i));
    // Many more files: tests/ui/tst_collage.cpp.
    QCOMPARE(OperationsFichiers::QuestionSuppression(noms.mid(0, 1)),
             QString("Envoyer à la corbeille le fichier suivant :\n\nf1\n"));
    QCOMPARE(OperationsFichiers::QuestionSuppression(noms.mid(0, 16)),
             "Envoyer à la corbeille les 16 fichiers suivants :\n\n" + noms.mid(0, 15).join('\n') +
                 "\n\net  1 autre ...");

    for (const auto& [nom, attendu] : {
             std::pair{QString("   "), RefusNom::Vide},
             // The other forbidden characters: tst_tri.
             {QString("a") + QChar(0), RefusNom::CaractereInterdit},
             {".photos", RefusNom::Point},
             // 255 bytes in UTF-8, then 256.
             {QString(127, QChar(0xE9)) + "a", RefusNom::Aucun},
             {QString(128, QChar(0xE9)), RefusNom::TropLong},
         })
        QCOMPARE(OperationsFichiers::VerifierNomDossier(nom), attendu);

    const Identite a{1, 10, 5};
    const Identite b{1, 11, 7};
    const QList<Fichier> f = Fichiers({{"/d/a", "/d/T a", a},
                                       {"/d/b", "/d/a", b},
                                       {"/d/T a", "/d/b", a},
                                       {"/d/x", "/d/y", Identite{}}});
    QCOMPARE(f, (QList<Fichier>{{a, {"/d/a", "/d/T a", "/d/b"}}, {b, {"/d/b", "/d/a"}}}));

    // The names a message lists: fifteen, then how many more.
    QVERIFY(ListeAbregee(noms).endsWith("f15\n\net  5 autres ..."));
}

void TstOperationsFichiers::retour() {
    // Pairs (where the file is, where it goes back to), names held by other files, temporary
    // names used: a chain taken backwards, a swap, a cycle, a chain blocked at its end.
    for (const auto& [paires, etrangers, temporaires] : {
             std::tuple{Paires{{"/d/b", "/d/a"}, {"/d/c", "/d/b"}}, QStringList{}, 0},
             {Paires{{"/d/x", "/d/y"}, {"/d/y", "/d/x"}}, QStringList{}, 1},
             {Paires{{"/d/a", "/d/b"}, {"/d/b", "/d/c"}, {"/d/c", "/d/a"}}, QStringList{}, 1},
             {Paires{{"/d/b", "/d/a"}, {"/d/c", "/d/b"}}, QStringList{"/d/a"}, 0},
         }) {
        QSet<QString> occupes(etrangers.cbegin(), etrangers.cend());
        for (const auto& p : paires)
            occupes.insert(p.first);
        // The temporary name proposed first is taken: the next one is used.
        occupes.insert(NomTemporaire("/d/y", 1));
        verifierRetour(paires, occupes, temporaires);
    }

    // Files of a folder given new names at random: swaps, chains, cycles, names taken by
    // other files.
    QRandomGenerator hasard(7);
    QStringList noms;
    for (int i = 0; i < 2 * 8; ++i)
        noms.append(QStringLiteral("/d/f%1").arg(i));
    for (int tour = 0; tour < 300; ++tour) {
        const int n = 1 + int(hasard.bounded(8));
        std::shuffle(noms.begin(), noms.end(), std::mt19937(hasard.generate()));
        QStringList cibles = noms.mid(0, n);
        std::shuffle(cibles.begin(), cibles.end(), std::mt19937(hasard.generate()));
        QSet<QString> occupes(noms.cbegin(), noms.cbegin() + n);
        Paires paires;
        // Some pairs aim at a name outside the group, sometimes taken by a stranger.
        for (int i = 0; i < n; ++i) {
            const bool dehors = hasard.bounded(4) == 0;
            paires.append({noms[i], dehors ? noms[n + i] : cibles[i]});
            if (dehors && hasard.bounded(2) == 0)
                occupes.insert(noms[n + i]);
        }
        verifierRetour(paires, occupes);
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_GUILESS_MAIN(TstOperationsFichiers)
#include "tst_operationsfichiers.moc"
