#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "marques.h"
#include "menusphoto.h"
#include "outilsfenetre.h"
#include "selectionfichiers.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

class TstMarques : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void marquerEtDemarquer();
    void touchesDeMarquage();
    void renommageRefuse_data();
    void renommageRefuse();
    void selectionDesMarques();
    void selectionParChaine();
    void toutInverserRien();
};

void TstMarques::marquerEtDemarquer() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg   [M]", "c.jpg   [M]", "d.jpg"});
    FrmPhoto& f = w.f;
    QCOMPARE(entrees(f), QStringList({"b.jpg   [M]", "c.jpg   [M]", "a.jpg", "d.jpg"}));
    choisir(f, {"a.jpg", "b.jpg   [M]"});
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"b.jpg   [M]", "c.jpg   [M]", "a.jpg   [M]", "d.jpg"}));
    QCOMPARE(nomsSurDisque(b.photos()),
             QStringList({"a.jpg   [M]", "b.jpg   [M]", "c.jpg   [M]", "d.jpg"}));
    QVERIFY(selection(f).isEmpty());
    QCOMPARE(Banc::lire(b.photos() + "/a.jpg   [M]"), QByteArray("a.jpg"));

    choisir(f, {"c.jpg   [M]", "d.jpg"});
    QTest::mouseClick(f.axBDM, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"b.jpg   [M]", "c.jpg", "a.jpg   [M]", "d.jpg"}));
    QCOMPARE(nomsSurDisque(b.photos()),
             QStringList({"a.jpg   [M]", "b.jpg   [M]", "c.jpg", "d.jpg"}));
    QVERIFY(selection(f).isEmpty());

    // Nothing selected: nothing happens.
    QTest::mouseClick(f.axBM, Qt::LeftButton);
    QCOMPARE(nomsSurDisque(b.photos()),
             QStringList({"a.jpg   [M]", "b.jpg   [M]", "c.jpg", "d.jpg"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstMarques::touchesDeMarquage() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg"});
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    // A key already used by the other command is refused and nothing is written.
    b.dialogues.attendreMessage("Ce raccourci est déjà employé pour une autre fonction !");
    m.article("mnuDM(0)")->trigger();
    QCOMPARE(w.etat.options.ToucheDemarquer, qint16(117));
    QVERIFY(m.article("mnuDM(1)")->isChecked());
    QVERIFY(!QFile::exists(b.programme() + "/Options.cfg"));

    m.article("MnuM(6)")->trigger();
    QCOMPARE(w.etat.options.ToucheMarquer, qint16(122));
    QVERIFY(m.article("MnuM(6)")->isChecked());
    QCOMPARE(m.article("MnuMarq")->text(),
             QString("Choisir touche F5 à F12 pour marquer le fichier  [F11]"));
    QVERIFY(Banc::lire(b.programme() + "/Options.cfg").contains(",122,117,"));

    // The marking key wins over every other handling of the key, in any control.
    choisir(f, {"a.jpg"});
    QTest::keyClick(f.LstFF, Qt::Key_F5);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg", "b.jpg"}));
    choisir(f, {"a.jpg"});
    QTest::keyClick(f.TxtFileName, Qt::Key_F11);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg   [M]", "b.jpg"}));
    choisir(f, {"a.jpg   [M]"});
    QTest::keyClick(f.LstFF, Qt::Key_F6);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg", "b.jpg"}));
    // Marked, then Down: the name box follows the mark, so the commit keeps it.
    f.SelectionnerEntree(0);
    QTest::keyClick(f.TxtFileName, Qt::Key_F11);
    QTest::keyClick(f.TxtFileName, Qt::Key_Down);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg   [M]", "b.jpg"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstMarques::renommageRefuse_data() {
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QStringList>("choisis");
    QTest::addColumn<bool>("marquer");
    QTest::addColumn<QStringList>("apres");
    QTest::addColumn<QStringList>("resteChoisis");
    const QString longNom = QString(251, QLatin1Char('n')) + ".jpg";
    QTest::newRow("marqué déjà présent")
        << QStringList{"x.jpg", "x.jpg   [M]", "y.jpg"} << QStringList{"x.jpg", "y.jpg"} << true
        << QStringList{"x.jpg   [M]", "x.jpg", "y.jpg"} << QStringList{"x.jpg", "y.jpg"};
    QTest::newRow("non marqué déjà présent")
        << QStringList{"x.jpg", "x.jpg   [M]"} << QStringList{"x.jpg   [M]"} << false
        << QStringList{"x.jpg   [M]", "x.jpg"} << QStringList{"x.jpg   [M]"};
    QTest::newRow("nom trop long")
        << QStringList{"a.jpg", longNom} << QStringList{"a.jpg", longNom} << true
        << QStringList{"a.jpg   [M]", longNom} << QStringList{longNom};
}

void TstMarques::renommageRefuse() {
    QFETCH(QStringList, fichiers);
    QFETCH(QStringList, choisis);
    QFETCH(bool, marquer);
    QFETCH(QStringList, apres);
    QFETCH(QStringList, resteChoisis);
    Banc b;
    FenetreOuverte w(b, fichiers);
    FrmPhoto& f = w.f;
    const QStringList avant = Banc::empreinte(b.photos());
    choisir(f, choisis);
    marquer ? f.marques().Marquer() : f.marques().Demarquer();
    // The refusal ends the pass: the list says what the disk holds.
    QCOMPARE(entrees(f), apres);
    QCOMPARE(selection(f), resteChoisis);
    for (const QString& nom : apres)
        QVERIFY2(QFile::exists(b.photos() + "/" + nom), qPrintable(nom));
    if (resteChoisis == choisis)
        QCOMPARE(Banc::empreinte(b.photos()), avant);
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstMarques::selectionDesMarques() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg", "c.jpg"});
    FrmPhoto& f = w.f;
    // None marked: the name box is emptied, the pair stays.
    QCOMPARE(f.TxtFileName->text(), QString("a.jpg"));
    QTest::mouseClick(f.axBSel0, Qt::LeftButton);
    QVERIFY(selection(f).isEmpty());
    QCOMPARE(f.TxtFileName->text(), QString());
    QVERIFY(f.axBSel0->isVisible());

    // One marked: it becomes the current file.
    choisir(f, {"b.jpg"});
    f.marques().Marquer();
    f.SelectionnerEntree(0);
    QTest::mouseClick(f.axBSel0, Qt::LeftButton);
    QCOMPARE(selection(f), QStringList({"b.jpg   [M]"}));
    QCOMPARE(f.TxtFileName->text(), QString("b.jpg   [M]"));
    QVERIFY(f.axBSel1->isVisible());
    QVERIFY(!f.axBSel0->isVisible());

    // Two marked; then the other button of the pair selects nothing.
    choisir(f, {"c.jpg"});
    f.marques().Marquer();
    QTest::mouseClick(f.axBSel0, Qt::LeftButton);
    QCOMPARE(selection(f), QStringList({"b.jpg   [M]", "c.jpg   [M]"}));
    QTest::mouseClick(f.axBSel1, Qt::LeftButton);
    QVERIFY(selection(f).isEmpty());
    QVERIFY(f.axBSel0->isVisible());
    QVERIFY(!f.axBSel1->isVisible());
    QVERIFY(!f.CmdRapide->isVisible());
    QCOMPARE(f.TxtFileName->text(), QString());
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstMarques::selectionParChaine() {
    Banc b;
    FenetreOuverte w(b, {"IMG_1.jpg", "img_2.jpg", "Plage.jpg"});
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    const QString invite = QStringLiteral(
        "Renseignez la chaine de caractères\nprésente dans les fichiers à sélectionner.");
    choisir(f, {"Plage.jpg"});
    b.dialogues.attendreSaisie(invite, "IMG");
    m.article("mnucasseplus")->trigger();
    QCOMPARE(selection(f), QStringList({"IMG_1.jpg"}));
    QCOMPARE(w.etat.options.CasseIgnoree, quint8(0));

    choisir(f, {"Plage.jpg"});
    b.dialogues.attendreSaisie(invite, "IMG");
    m.article("mnucassemoins")->trigger();
    QCOMPARE(selection(f), QStringList({"IMG_1.jpg", "img_2.jpg"}));
    QCOMPARE(w.etat.options.CasseIgnoree, quint8(1));
    QVERIFY(m.article("mnucassemoins")->isChecked());

    // Cancel leaves the selection as it is.
    b.dialogues.attendreSaisie(invite, "");
    m.article("mnucasseplus")->trigger();
    QCOMPARE(selection(f), QStringList({"IMG_1.jpg", "img_2.jpg"}));
    QCOMPARE(w.etat.options.CasseIgnoree, quint8(0));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstMarques::toutInverserRien() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg", "c.jpg"});
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    m.article("mnuToutSel")->trigger();
    QCOMPARE(selection(f), QStringList({"a.jpg", "b.jpg", "c.jpg"}));

    // All but one inverted: that one is the current file.
    f.LstFF->item(1)->setSelected(false);
    m.article("mnuInversSel")->trigger();
    QCOMPARE(selection(f), QStringList({"b.jpg"}));
    QCOMPARE(f.TxtFileName->text(), QString("b.jpg"));
    m.article("mnuInversSel")->trigger();
    QCOMPARE(selection(f), QStringList({"a.jpg", "c.jpg"}));

    m.article("mnuToutDel")->trigger();
    QVERIFY(selection(f).isEmpty());
    QCOMPARE(f.TxtFileName->text(), QString());
    QVERIFY(w.etat.PasDePhoto);
    QVERIFY(f.axBSel0->isVisible());
    QVERIFY(!f.ImgUp->isVisible());
    QVERIFY(!w.etat.ListeOccupee);
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstMarques)
#include "tst_marques.moc"
