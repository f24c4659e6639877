// The sound panel: its states through the real controls with a player that plays nothing,
// then the system's players on real sound files, damaged ones included.
#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "outilsfenetre.h"
#include "typesfichiers.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

namespace {

// Which of Lblmp31 Lblmp32 SLD CmdJouer CmdStop PctSon axBson show ("V"; "v" disabled, "-"
// hidden), the two labels, the slider's value and maximum.
QString panneau(FrmPhoto& f) {
    QString s;
    for (QWidget* w : std::initializer_list<QWidget*>{f.Lblmp31, f.Lblmp32, f.SLD, f.CmdJouer,
                                                      f.CmdStop, f.PctSon, f.axBson})
        s += !w->isVisibleTo(&f) ? '-' : w->isEnabled() ? 'V' : 'v';
    return s + QStringLiteral(" %1 %2 %3/%4")
                   .arg(f.Lblmp31->text(), f.Lblmp32->text())
                   .arg(f.SLD->value())
                   .arg(f.SLD->maximum());
}

// The mouse over the volume cursor's middle, at a height given in twips of the control.
void souris(FrmPhoto& f, QEvent::Type type, int y, Qt::MouseButtons boutons) {
    const QPointF p(f.PctSon->width() / 2.0, y * f.PctSon->height() / 1110.0);
    QMouseEvent e(type, p, f.PctSon->mapToGlobal(p),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, boutons, {});
    QApplication::sendEvent(f.PctSon, &e);
}

} // namespace

class TstSon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parcours();
    void lecteursReels_data();
    void lecteursReels();
};

void TstSon::parcours() {
    Banc b;
    b.son.durees = {{"a.mp3", 65.4}, {"b.wav", 0.4}};
    FenetreOuverte w(b, {"a.mp3", "b.wav", "c.mid", "d.jpg"});
    FrmPhoto& f = w.f;
    f.CboFileType->setCurrentIndex(TypesFichiers::TousFichiers);
    // Prepared, not heard, at the volume the cursor shows.
    const QString a = QStringLiteral("(5  octets)         Durée  01:05 ");
    QCOMPARE(panneau(f), "V--Vv-- " + a + " 0/65");
    QVERIFY(b.son.journal.contains("Charger a.mp3") && !b.son.journal.contains("Jouer"));
    QCOMPARE(b.son.volume, 14);
    QTest::mouseClick(f.CmdJouer, Qt::LeftButton);
    QCOMPARE(panneau(f), "VVVvVVV " + a + "00:00 0/65");
    QVERIFY(b.son.enLecture);
    b.son.position = 65.4;
    b.horloge.declencher();
    QCOMPARE(panneau(f), "VVVvVVV " + a + "01:05 65/65");
    QTest::keyClick(f.SLD, Qt::Key_PageDown);
    QCOMPARE(b.son.position, 55.0);

    // The volume cursor, held, follows the pointer to the ends of the track.
    souris(f, QEvent::MouseButtonPress, 810, Qt::LeftButton);
    for (const auto& [y, volume] : {std::pair{0, 100}, {2000, 0}, {547, 50}}) {
        souris(f, QEvent::MouseMove, y, Qt::LeftButton);
        QCOMPARE(b.son.volume, volume);
    }
    souris(f, QEvent::MouseButtonRelease, 547, Qt::NoButton);

    // Another file while playing: the sound stops, no tick is left, the slider is back at 0.
    cliquer(f, 1);
    QVERIFY(!b.son.enLecture);
    b.horloge.declencher();
    QCOMPARE(b.horloge.minuteriesEnAttente(), 0);
    QCOMPARE(panneau(f), QString("V--Vv-- (5  octets)         Durée  00:00  0/1"));
    cliquer(f, 3);
    QCOMPARE(panneau(f), QString("-------   0/1"));

    // The file played is let go while it still has its name, then renamed.
    cliquer(f, 0);
    QTest::mouseClick(f.CmdJouer, Qt::LeftButton);
    taper(f, "z.mp3", Qt::Key_Return);
    QVERIFY2(b.son.journal.contains("Liberer a.mp3"), qPrintable(b.son.journal.join(", ")));
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"b.wav", "c.mid", "d.jpg", "z.mp3"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstSon::lecteursReels_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("ligne");
    QFile f(QStringLiteral(DONNEES_TESTS "/ton.mp3"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray mp3 = f.readAll();
    const QString d = QStringLiteral(")         Durée  ");
    // Durations read from the file itself; a damaged one is shown as empty, never refused.
    QTest::newRow("mp3") << "a.mp3" << mp3 << "(2,16  Ko" + d + "00:02  0/2";
    QTest::newRow("mp3 vide") << "a.mp3" << QByteArray() << "(0  octets" + d + "00:00  0/1";
}

void TstSon::lecteursReels() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, contenu);
    QFETCH(QString, ligne);
    Banc b;
    b.plateforme.son = nullptr;
    const QString chemin = Banc::creerFichier(b.photos() + "/" + nom, contenu);
    FenetreOuverte w(b);
    w.f.CboFileType->setCurrentIndex(TypesFichiers::TousSons);
    QCOMPARE(panneau(w.f), "V--Vv-- " + ligne);
    // Played (silently with no device), then let go by Stop.
    QTest::mouseClick(w.f.CmdJouer, Qt::LeftButton);
    b.horloge.declencher();
    QTest::mouseClick(w.f.CmdStop, Qt::LeftButton);
    for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::AllEntries | QDir::System))
        QVERIFY(fd.symLinkTarget() != chemin);
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstSon)
#include "tst_son.moc"
