#include "ordresdeplacement.h"

#include <QTest>

using namespace OrdresDeplacement;

namespace {

// Lists are written as letters, one entry each: "ABCDE".
QList<int> indices(const QString& liste, const QString& choisies) {
    QList<int> sources;
    for (QChar c : choisies)
        sources.append(int(liste.indexOf(c)));
    return sources;
}

QString lettres(const QString& liste, const QList<int>& ordre) {
    QString s;
    for (int i : ordre)
        s += liste.at(i);
    return s;
}

} // namespace

class TstOrdresDeplacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deplacements();
    void molette();
};

void TstOrdresDeplacement::deplacements() {
    const QString liste = QStringLiteral("ABCDE");
    // Moved entries, order (0..3, 4 cancels), rank, list after; the target may itself move.
    for (const auto& [choisies, ordre, rang, attendu] : {
             std::tuple{"BD", 0, 4, "ACBDE"},
             {"BD", 1, 4, "ACDBE"},
             {"BC", 0, 5, "ADBCE"},
             {"BC", 1, 5, "ADCBE"},
             {"BC", 2, 5, "ADEBC"},
             {"BC", 3, 5, "ADECB"},
             {"DE", 1, 1, "EDABC"},
             {"DE", 2, 1, "ADEBC"},
             {"BC", 2, 1, "ABCDE"},
             // Sources given out of list order still move in list order.
             {"DB", 0, 1, "BDACE"},
             {"BD", 4, 4, "ABCDE"},
             {"E", 1, 1, "EABCD"},
         })
        QCOMPARE(lettres(liste, Deplacer(5, indices(liste, choisies), ordre, rang)),
                 QString(attendu));

    // The insertions in the order they are made: the reversed orders start from the last.
    auto vers = [](const QList<Insertion>& p) {
        QList<QPair<int, int>> v;
        for (const Insertion& i : p)
            v.append({i.k, i.index});
        return v;
    };
    using V = QList<QPair<int, int>>;
    QCOMPARE(vers(Plan(0, 5, 3)), V({{0, 4}, {1, 5}, {2, 6}}));
    QCOMPARE(vers(Plan(1, 5, 3)), V({{2, 4}, {1, 5}, {0, 6}}));
    QCOMPARE(vers(Plan(2, 5, 3)), V({{0, 5}, {1, 6}, {2, 7}}));
    QCOMPARE(vers(Plan(3, 5, 3)), V({{2, 5}, {1, 6}, {0, 7}}));
    QVERIFY(Plan(4, 5, 3).isEmpty());
}

void TstOrdresDeplacement::molette() {
    const QString liste = QStringLiteral("ABCDEFG");
    // Moved entries, wheel steps, list after: a block stops at either end, a scattered
    // selection is gathered.
    for (const auto& [choisies, pas, attendu] : {
             std::tuple{"CD", 2, "ABEFCDG"},
             {"EF", -3, "AEFBCDG"},
             {"CD", -5, "CDABEFG"},
             {"CD", 5, "ABEFGCD"},
             {"CD", 3, "ABEFGCD"},
             {"BDF", 1, "ACBDFEG"},
             {"BD", 0, "ABDCEFG"},
         }) {
        const auto cible = CibleMolette(7, indices(liste, choisies), pas);
        QVERIFY(cible);
        QCOMPARE(lettres(liste, Deplacer(7, indices(liste, choisies), cible->ordre, cible->rang)),
                 QString(attendu));
    }
    // Nothing to move.
    QVERIFY(!CibleMolette(7, indices(liste, "AB"), -5));
    QVERIFY(!CibleMolette(7, indices(liste, "FG"), 5));
    QVERIFY(!CibleMolette(7, indices(liste, "ABCDEFG"), 5));
    QVERIFY(!CibleMolette(7, {}, 5));
}

QTEST_GUILESS_MAIN(TstOrdresDeplacement)
#include "tst_ordresdeplacement.moc"
