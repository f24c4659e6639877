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
    void deplacements_data();
    void deplacements();
    void plan();
    void molette_data();
    void molette();
    void moletteImmobile();
};

void TstOrdresDeplacement::deplacements_data() {
    QTest::addColumn<QString>("choisies");
    QTest::addColumn<int>("ordre");
    QTest::addColumn<int>("rang");
    QTest::addColumn<QString>("attendu");
    // The target may itself be moved.
    QTest::newRow("B D au rang 4, ordre 0") << "BD" << 0 << 4 << "ACBDE";
    QTest::newRow("B D au rang 4, ordre 1") << "BD" << 1 << 4 << "ACDBE";
    QTest::newRow("B D au rang 4, ordre 2") << "BD" << 2 << 4 << "ACBDE";
    QTest::newRow("B D au rang 4, ordre 3") << "BD" << 3 << 4 << "ACDBE";
    QTest::newRow("B C au rang 5, ordre 0") << "BC" << 0 << 5 << "ADBCE";
    QTest::newRow("B C au rang 5, ordre 1") << "BC" << 1 << 5 << "ADCBE";
    QTest::newRow("B C au rang 5, ordre 2") << "BC" << 2 << 5 << "ADEBC";
    QTest::newRow("B C au rang 5, ordre 3") << "BC" << 3 << 5 << "ADECB";
    QTest::newRow("D E au rang 1, ordre 0") << "DE" << 0 << 1 << "DEABC";
    QTest::newRow("D E au rang 1, ordre 1") << "DE" << 1 << 1 << "EDABC";
    QTest::newRow("D E au rang 1, ordre 2") << "DE" << 2 << 1 << "ADEBC";
    QTest::newRow("D E au rang 1, ordre 3") << "DE" << 3 << 1 << "AEDBC";
    QTest::newRow("B C au rang 1, ordre 2: inchangée") << "BC" << 2 << 1 << "ABCDE";
    QTest::newRow("B C au rang 1, ordre 0") << "BC" << 0 << 1 << "BCADE";
    // Sources given out of list order still move in list order.
    QTest::newRow("sources dans le désordre") << "DB" << 0 << 1 << "BDACE";
    QTest::newRow("annulé") << "BD" << 4 << 4 << "ABCDE";
    QTest::newRow("une seule entrée") << "E" << 1 << 1 << "EABCD";
}

void TstOrdresDeplacement::deplacements() {
    QFETCH(QString, choisies);
    QFETCH(int, ordre);
    QFETCH(int, rang);
    QFETCH(QString, attendu);
    const QString liste = QStringLiteral("ABCDE");
    QCOMPARE(lettres(liste, Deplacer(5, indices(liste, choisies), ordre, rang)), attendu);
}

void TstOrdresDeplacement::plan() {
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

void TstOrdresDeplacement::molette_data() {
    // In the list "ABCDEFG".
    QTest::addColumn<QString>("choisies");
    QTest::addColumn<int>("pas");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("bloc vers le bas") << "CD" << 2 << "ABEFCDG";
    QTest::newRow("bloc vers le haut") << "EF" << -3 << "AEFBCDG";
    QTest::newRow("arrêt en haut") << "CD" << -5 << "CDABEFG";
    QTest::newRow("arrêt en bas") << "CD" << 5 << "ABEFGCD";
    QTest::newRow("jusqu'au bas exactement") << "CD" << 3 << "ABEFGCD";
    QTest::newRow("sélection éparse rassemblée") << "BDF" << 1 << "ACBDFEG";
    QTest::newRow("sélection éparse sur place") << "BD" << 0 << "ABDCEFG";
}

void TstOrdresDeplacement::molette() {
    QFETCH(QString, choisies);
    QFETCH(int, pas);
    QFETCH(QString, attendu);
    const QString liste = QStringLiteral("ABCDEFG");
    const auto cible = CibleMolette(7, indices(liste, choisies), pas);
    QVERIFY(cible);
    QCOMPARE(lettres(liste, Deplacer(7, indices(liste, choisies), cible->ordre, cible->rang)),
             attendu);
}

void TstOrdresDeplacement::moletteImmobile() {
    const QString liste = QStringLiteral("ABCDE");
    QVERIFY(!CibleMolette(5, indices(liste, "AB"), -5));
    QVERIFY(!CibleMolette(5, indices(liste, "DE"), 5));
    QVERIFY(!CibleMolette(5, indices(liste, "ABCDE"), 5));
    QVERIFY(!CibleMolette(5, {}, 5));
}

QTEST_GUILESS_MAIN(TstOrdresDeplacement)
#include "tst_ordresdeplacement.moc"
