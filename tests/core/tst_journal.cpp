#include "journal.h"
#include "textelistes.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Journal;

namespace {

using Paires = QList<QPair<QString, QString>>;

// Plays the moves on a folder of names: none may land on a taken name or start from a
// missing one. Answers the names held at the end, by where each pair's file went.
QStringList jouer(const Paires& paires, QSet<QString> occupes, const Plan& plan) {
    QHash<QString, int> fichier;
    for (int i = 0; i < paires.size(); ++i)
        fichier.insert(paires[i].first, i);
    for (const Mouvement& m : plan.mouvements) {
        if (!occupes.contains(m.de) || occupes.contains(m.vers))
            return {QStringLiteral("mouvement impossible : ") + m.de + " -> " + m.vers};
        occupes.remove(m.de);
        occupes.insert(m.vers);
        if (fichier.contains(m.de))
            fichier.insert(m.vers, fichier.take(m.de));
    }
    QStringList fin(paires.size());
    for (auto it = fichier.cbegin(); it != fichier.cend(); ++it)
        fin[it.value()] = it.key();
    return fin;
}

QString temporaire(const QString& vers, int n) {
    return NomTemporaire(vers, n);
}

} // namespace

class TstJournal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void retour_data();
    void retour();
    void retourAuHasard();
    void fichiers();
    void listeAbregee_data();
    void listeAbregee();
};

void TstJournal::retour_data() {
    QTest::addColumn<Paires>("paires");
    QTest::addColumn<QStringList>("etrangers");
    QTest::addColumn<QList<int>>("laisses");
    QTest::addColumn<int>("temporaires");
    QTest::newRow("chaîne a -> b -> c prise à rebours")
        << Paires{{"/d/b", "/d/a"}, {"/d/c", "/d/b"}} << QStringList{} << QList<int>{} << 0;
    QTest::newRow("échange de deux noms")
        << Paires{{"/d/x", "/d/y"}, {"/d/y", "/d/x"}} << QStringList{} << QList<int>{} << 1;
    QTest::newRow("cycle de trois") << Paires{{"/d/a", "/d/b"}, {"/d/b", "/d/c"}, {"/d/c", "/d/a"}}
                                    << QStringList{} << QList<int>{} << 1;
    QTest::newRow("nom pris par un autre fichier") << Paires{{"/d/n1", "/d/a"}, {"/d/n2", "/d/b"}}
                                                   << QStringList{"/d/a"} << QList<int>{0} << 0;
    QTest::newRow("chaîne bloquée au bout") << Paires{{"/d/b", "/d/a"}, {"/d/c", "/d/b"}}
                                            << QStringList{"/d/a"} << QList<int>{0, 1} << 0;
    QTest::newRow("déjà en place")
        << Paires{{"/d/a", "/d/a"}} << QStringList{} << QList<int>{} << 0;
}

void TstJournal::retour() {
    QFETCH(Paires, paires);
    QFETCH(QStringList, etrangers);
    QFETCH(QList<int>, laisses);
    QFETCH(int, temporaires);
    QSet<QString> occupes(etrangers.cbegin(), etrangers.cend());
    for (const auto& p : paires)
        occupes.insert(p.first);
    // The temporary name proposed first is taken: the next one is used.
    occupes.insert(temporaire("/d/y", 1));
    const Plan plan = PlanifierRetour(paires, occupes, temporaire);
    QCOMPARE(plan.laisses, laisses);
    const QStringList fin = jouer(paires, occupes, plan);
    for (int i = 0; i < paires.size(); ++i)
        QCOMPARE(fin[i], laisses.contains(i) ? paires[i].first : paires[i].second);
    QCOMPARE(int(std::count_if(plan.mouvements.cbegin(), plan.mouvements.cend(),
                               [](const Mouvement& m) { return m.etape < 0; })),
             temporaires);
}

void TstJournal::retourAuHasard() {
    // Files of a folder given new names at random (swaps, chains, cycles, names taken by
    // other files): every file whose name is free in the end gets it, never over another.
    QRandomGenerator hasard(7);
    for (int tour = 0; tour < 300; ++tour) {
        const int n = 1 + int(hasard.bounded(8));
        QStringList noms;
        for (int i = 0; i < 2 * 8; ++i)
            noms.append(QStringLiteral("/d/f%1").arg(i));
        std::shuffle(noms.begin(), noms.end(), std::mt19937(hasard.generate()));
        Paires paires;
        QSet<QString> occupes;
        QStringList cibles = noms.mid(0, n);
        std::shuffle(cibles.begin(), cibles.end(), std::mt19937(hasard.generate()));
        for (int i = 0; i < n; ++i) {
            paires.append({noms[i], cibles[i]});
            occupes.insert(noms[i]);
        }
        // Some pairs aim at a name outside the group, sometimes taken by a stranger.
        for (int i = 0; i < n; ++i)
            if (hasard.bounded(4) == 0) {
                paires[i].second = noms[n + i];
                if (hasard.bounded(2) == 0)
                    occupes.insert(noms[n + i]);
            }
        const Plan plan = PlanifierRetour(paires, occupes, temporaire);
        const QStringList fin = jouer(paires, occupes, plan);
        // A file stays where it is exactly when following the holders of its target ends on
        // a stranger's file; a cycle does not.
        QHash<QString, int> source;
        for (int i = 0; i < n; ++i)
            source.insert(paires[i].first, i);
        for (int i = 0; i < n; ++i) {
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
            QVERIFY2(
                fin[i] == (bloque ? paires[i].first : paires[i].second),
                qPrintable(QStringLiteral("tour %1 paire %2 : %3").arg(tour).arg(i).arg(fin[i])));
        }
    }
}

void TstJournal::fichiers() {
    const Identite a{1, 10, 5};
    const Identite b{1, 11, 7};
    const QList<Fichier> f = Fichiers({{"/d/a", "/d/T a", a},
                                       {"/d/b", "/d/a", b},
                                       {"/d/T a", "/d/b", a},
                                       {"/d/x", "/d/y", Identite{}}});
    QCOMPARE(f, (QList<Fichier>{{a, {"/d/a", "/d/T a", "/d/b"}}, {b, {"/d/b", "/d/a"}}}));
}

void TstJournal::listeAbregee_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QString>("fin");
    QTest::newRow("un") << 1 << "n1";
    QTest::newRow("quinze") << 15 << "n15";
    QTest::newRow("seize") << 16 << "n15\n\net  1 autre ...";
    QTest::newRow("vingt") << 20 << "n15\n\net  5 autres ...";
}

void TstJournal::listeAbregee() {
    QFETCH(int, nombre);
    QFETCH(QString, fin);
    QStringList noms;
    for (int i = 1; i <= nombre; ++i)
        noms.append(QStringLiteral("n%1").arg(i));
    const QString texte = ListeAbregee(noms);
    QVERIFY(texte.startsWith("n1\nn2") || nombre == 1);
    QVERIFY2(texte.endsWith(fin), qPrintable(texte));
}

QTEST_GUILESS_MAIN(TstJournal)
#include "tst_journal.moc"
