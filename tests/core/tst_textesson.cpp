#include "son.h"
#include "tempsmidi.h"

#include <QTest>

#include <cmath>

namespace {

// A MIDI file of tracks shorter than 256 bytes, each given in hexadecimal.
QByteArray midi(const QByteArray& division, const QList<QByteArray>& pistes) {
    QByteArray m = QByteArray::fromHex("4d546864 00000006 0001") + char(0) + char(pistes.size()) +
                   QByteArray::fromHex(division);
    for (const QByteArray& p : pistes)
        m += "MTrk" + QByteArray(3, '\0') + char(QByteArray::fromHex(p).size()) +
             QByteArray::fromHex(p);
    return m;
}

} // namespace

class TstTextesSon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textes_data();
    void textes();
    void curseurs();
    void tempsMidi_data();
    void tempsMidi();
};

void TstTextesSon::textes_data() {
    QTest::addColumn<double>("secondes");
    QTest::addColumn<QString>("ecoule");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("duree");
    QTest::newRow("65,4 s") << 65.4 << "01:05" << 65 << "01:05";
    QTest::newRow("5 s") << 5.0 << "00:05" << 5 << "00:05";
    QTest::newRow("moitié vers le pair, dessous") << 2.5 << "00:02" << 2 << "00:02";
    QTest::newRow("moitié vers le pair, dessus") << 3.5 << "00:04" << 4 << "00:04";
    QTest::newRow("moins d'une seconde") << 0.4 << "00:00" << 1 << "00:00";
    QTest::newRow("illisible") << 0.0 << "00:00" << 1 << "00:00";
    QTest::newRow("pas un nombre") << std::nan("") << "00:00" << 1 << "00:00";
    QTest::newRow("juste sous l'heure") << 3599.4 << "59:59" << 3599 << "59:59";
    QTest::newRow("une heure") << 3600.0 << "60:00" << 3600 << "1:00:00";
    QTest::newRow("100 minutes") << 6000.0 << "100:00" << 6000 << "1:40:00";
    QTest::newRow("deux heures") << 7261.0 << "121:01" << 7261 << "2:01:01";
}

void TstTextesSon::textes() {
    QFETCH(double, secondes);
    QFETCH(QString, ecoule);
    QFETCH(int, maximum);
    QFETCH(QString, duree);
    QCOMPARE(TempsEcoule(secondes), ecoule);
    QCOMPARE(TexteDuree(secondes), duree);
    QCOMPARE(MaximumCurseur(secondes), maximum);
}

void TstTextesSon::curseurs() {
    QCOMPARE(LigneSon(2160, 2.16), QString("(2,16  Ko)         Durée  00:02"));
    for (const char* nom : {"a.mp3", "B.WAV", "c.Mid", "chant.mp3.mp3"})
        QVERIFY2(EstFichierSon(nom), nom);
    for (const char* nom : {"a.midi", "a.mp3   [M]", "mp3.jpg", ""})
        QVERIFY2(!EstFichierSon(nom), nom);
    // The cursor as drawn: 75..255 across, its top at 750 and 120 high, its centre between
    // 180 and 915; the pointer's height puts its centre, kept on the track.
    CurseurVolume c;
    QVERIFY(c.Contient(75, 750) && c.Contient(255, 870) && c.Contient(160, 810));
    QVERIFY(!c.Contient(74, 800) && !c.Contient(256, 800) && !c.Contient(160, 749) &&
            !c.Contient(160, 871));
    QCOMPARE(c.Volume(), 14);
    for (const auto& [y, haut, volume] : {std::tuple{180, 120, 100},
                                          {915, 855, 0},
                                          {547, 487, 50},
                                          {0, 120, 100},
                                          {2000, 855, 0}}) {
        c.Suivre(y);
        QCOMPARE(c.haut, haut);
        QCOMPARE(c.Volume(), volume);
    }
}

void TstTextesSon::tempsMidi_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<double>("duree");
    QTest::addColumn<qint64>("tickUneSeconde");
    const QByteArray noire = "00903c40 8140803c40 00ff2f00";
    QTest::newRow("deux noires à 120") << midi("0060", {noire}) << 1.0 << qint64(192);
    QTest::newRow("tempo ralenti dans une autre piste")
        << midi("0060", {"00ff510307a120 60ff51030f4240 00ff2f00", noire}) << 1.5 << qint64(144);
    QTest::newRow("statut courant")
        << midi("0060", {"00903c40 603c00 00ff2f00"}) << 0.5 << qint64(192);
    QTest::newRow("temps codé, 25 images de 40")
        << midi("e728", {"8768ff2f00"}) << 1.0 << qint64(1000);
    QTest::newRow("coupé avant la fin") << midi("0060", {noire}).chopped(4) << 1.0 << qint64(192);
    QTest::newRow("coupé au milieu d'un événement")
        << midi("0060", {noire}).chopped(5) << 0.0 << qint64(192);
    QTest::newRow("sans notes") << midi("0060", {"00ff2f00"}) << 0.0 << qint64(192);
    QTest::newRow("sans pistes") << midi("0060", {}) << 0.0 << qint64(192);
    QTest::newRow("du texte") << QByteArray("MThd, mais du texte") << -1.0 << qint64(0);
    QTest::newRow("vide") << QByteArray() << -1.0 << qint64(0);
    QTest::newRow("division nulle") << midi("0000", {noire}) << -1.0 << qint64(0);
    QTest::newRow("temps codé sans ticks") << midi("e700", {noire}) << -1.0 << qint64(0);
}

void TstTextesSon::tempsMidi() {
    QFETCH(QByteArray, octets);
    QFETCH(double, duree);
    QFETCH(qint64, tickUneSeconde);
    const auto t = TempsMidi::Lire(octets);
    QCOMPARE(t.has_value(), duree >= 0);
    if (!t)
        return;
    QCOMPARE(t->Duree(), duree);
    QCOMPARE(t->Tick(1.0), tickUneSeconde);
    QCOMPARE(t->Secondes(tickUneSeconde), 1.0);
}

QTEST_GUILESS_MAIN(TstTextesSon)
#include "tst_textesson.moc"
