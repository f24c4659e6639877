#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString Question = QStringLiteral(
    "Vous avez marqué des fichiers avec l'extension \"   [M]\" avant certaines opérations.\n"
    "Le fait de laisser cette extension risque fort de perturber le fonctionnement d'autres "
    "programmes à la lecture de ces fichiers.\n\nVoulez-vous effacer ces extensions ?\n\nNB : "
    "la durée de cette procédure sera fonction du nombre de répertoires que vous avez ouvert.");

QStringList articles(const QMenu* menu) {
    QStringList noms;
    for (const QAction* a : menu->actions())
        noms.append(a->objectName());
    return noms;
}

} // namespace

class TstFenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void disposition_data();
    void disposition();
    void controlesNommes();
    void menus();
    void optionsCochees();
    void niveauDeDeplacement();
    void couleurDesInfos();
    void avertissement();
    void aide();
    void aPropos();
    void eclairage();
    void fermetureSansMarque();
    void fermetureAvecMarqueAilleurs();
    void fermetureAnnulee();
};

void TstFenetre::disposition_data() {
    QTest::addColumn<QSize>("ecran");
    QTest::addColumn<QSize>("fenetre");
    QTest::addColumn<QRect>("liste");
    QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QSize(1024, 741)
                                 << QRect(274, 56, 300, 460);
    QTest::newRow("800 x 600") << QSize(800, 600) << QSize(800, 573) << QRect(214, 43, 234, 356);
}

void TstFenetre::disposition() {
    QFETCH(QSize, ecran);
    QFETCH(QSize, fenetre);
    QFETCH(QRect, liste);
    Banc b;
    b.plateforme.environnement.ecran = ecran;
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    QCOMPARE(f.size(), fenetre);
    QCOMPARE(f.LstFF->geometry(), liste);
    QCOMPARE(f.disposition().LargeurCible, fenetre.width() * 15);
    QCOMPARE(f.pos(), QPoint((ecran.width() - fenetre.width()) / 2,
                             (ecran.height() - fenetre.height()) / 2));
    // Everything stays inside the window, above the light strip at the bottom.
    for (QWidget* w : f.findChildren<QWidget*>()) {
        if (w->parentWidget() != &f || w->isWindow() || w->objectName() == "LblVersion" ||
            w->objectName().isEmpty())
            continue;
        QVERIFY2(f.rect().contains(w->geometry()), qPrintable(w->objectName()));
        if (w->objectName() != "PctC")
            QVERIFY2(w->geometry().bottom() < f.height() - 30 + 1, qPrintable(w->objectName()));
    }
}

// Screen readers and desktop automation find every control by its name.
void TstFenetre::controlesNommes() {
    Banc b;
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    const QStringList noms =
        QStringLiteral(
            "DrvDrive DirDirectory ChKDos axBRetour axBSuivant axBEnrDos axBIni axBF axBRep "
            "axBNouvRep CmdOption axBAide axBAP CboFileType LabelTrie LstFF ImgUp ImgDown "
            "CmdRapide LblDirName LblRang axBM axBDM axBSel(0) axBSel(1) axBPP1 axBPP2 "
            "TxtFileName CmdChoix CmdInc CmdA CmdD Img(0) LblNonImage LblTaille axBPivoter "
            "axBRedimensionner axBDiapo CmdMin OptZ(0) OptZ(1) ChkIns Txt Lblmp31 Lblmp32 "
            "SLD CmdJouer CmdStop PctSon axBson CmdRefresh CmdOK PctMere")
            .split(QLatin1Char(' '));
    for (const QString& nom : noms) {
        QWidget* w = f.findChild<QWidget*>(nom);
        QVERIFY2(w, qPrintable(nom));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        // A label whose text changes says what it is in its description, its text in its name.
        QVERIFY2(a && !(a->text(QAccessible::Name) + a->text(QAccessible::Description))
                           .trimmed()
                           .isEmpty(),
                 qPrintable(nom));
    }
    auto nomAccessible = [&](const char* nom) {
        return QAccessible::queryAccessibleInterface(f.findChild<QWidget*>(nom))
            ->text(QAccessible::Name);
    };
    QCOMPARE(nomAccessible("TxtFileName"), QString("Nom du Fichier"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.LblRang)->text(QAccessible::Description),
             QString("Rang dans la liste"));
    QCOMPARE(nomAccessible("CmdInc"), QString("Incrémenter / Renommer en groupe"));
    QCOMPARE(nomAccessible("axBRetour"), QString("Dossier précédent vu"));
    QCOMPARE(f.axBSel1->toolTip(), QString(" Désélectionner tous les fichiers "));
    QCOMPARE(f.windowTitle(), QString("  VIMBRAL"));
}

void TstFenetre::menus() {
    Banc b;
    Banc::creerFichier(b.photos() + "/a.jpg");
    ouvrirSur(b, b.photos());
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    MenusPhoto& m = f.menus();
    QStringList options = articles(m.mnuOptions);
    options.removeIf([](const QString& n) { return n.startsWith("mnusep"); });
    QCOMPARE(options, QStringList({"mnuOptTexte", "MnuMarq",      "mnuDeMarq",    "mnuRens",
                                   "mnuCouleur",  "mnuBulles",    "mnuOuv",       "mnuRep",
                                   "mnuMark",     "mnuDeplace",   "mnuNLi",       "mnuToutSel",
                                   "mnuToutDel",  "mnuInversSel", "mnuSelChaine", "mnuTri",
                                   "mnuAv",       "mnuremplace",  "mnuIncrDte",   "mnuAnnulerRenommage", "mnuRefresh",
                                   "mnuEdit"}));
    QCOMPARE(m.article("mnuProg(0)")->text(), QString("Editeur du fichier par défaut"));
    QCOMPARE(m.article("mnuDM(7)")->text(), QString("F12"));
    // The paste items are off until files are copied or cut.
    QVERIFY(!m.article("mnuCollerRep")->isEnabled());

    // The buttons pop their menus up; the chosen item runs.
    f.Form_Activate();
    Banc::creerFichier(b.photos() + "/b.jpg");
    b.dialogues.attendreMenu("mnuOptions", "mnuRefresh");
    QTest::mouseClick(f.CmdOption, Qt::LeftButton);
    QCOMPARE(f.LstFF->count(), 2);
    QVERIFY(etat.IgnorerClicApercu);
    b.dialogues.attendreMenu("mnuInvisible", "");
    f.CmdChoix_Click();
    b.dialogues.attendreMenu("mnuCopDepInvisible", "");
    Q_EMIT f.LstFF->customContextMenuRequested(QPoint(5, 5));
    b.dialogues.attendreMenu("mnuFavorisInv", "");
    f.axBF->click();
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstFenetre::optionsCochees() {
    Banc b;
    Options o;
    o.BullesListe = 0;
    o.ToucheMarquer = 121;
    o.ToucheDemarquer = 116;
    o.NiveauParNumero = 1;
    o.CasseIgnoree = 1;
    o.PoliceTexte = "Police gardée";
    Banc::creerFichier(b.programme() + "/Options.cfg", o.versLigne());
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    MenusPhoto& m = f.menus();
    QCOMPARE(m.article("MnuMarq")->text(),
             QString("Choisir touche F5 à F12 pour marquer le fichier  [F10]"));
    QCOMPARE(m.article("mnuDeMarq")->text(),
             QString("Choisir touche F5 à F12 pour démarquer le fichier  [F5]"));
    QVERIFY(m.article("MnuM(5)")->isChecked());
    QVERIFY(!m.article("mnuBulles")->isChecked());
    QVERIFY(m.article("mnuNiveau")->isChecked());
    QVERIFY(m.article("mnucassemoins")->isChecked());

    // A toggle rewrites all 22 fields: the text-overlay font survives.
    m.article("mnuBulles")->trigger();
    QCOMPARE(etat.options.BullesListe, quint8(1));
    m.article("mnuOuv")->trigger();
    Options relu;
    QCOMPARE(relu.lire(Banc::lire(b.programme() + "/Options.cfg")), 22);
    QCOMPARE(relu.PoliceTexte, QString("Police gardée"));
    QCOMPARE(relu.BullesListe, quint8(1));
    QCOMPARE(relu.OuvertureSimpleClic, quint8(0));
    // The case rule is followed by the substring selection: cancelled, it changes the check
    // marks but not the file; with a string, the file takes the rule.
    b.dialogues.attendreSaisie({}, {});
    m.article("mnucasseplus")->trigger();
    QVERIFY(m.article("mnucasseplus")->isChecked());
    QVERIFY(!m.article("mnucassemoins")->isChecked());
    QCOMPARE(relu.lire(Banc::lire(b.programme() + "/Options.cfg")), 22);
    QCOMPARE(relu.CasseIgnoree, quint8(1));
    Banc::creerFichier(b.photos() + "/a.jpg");
    f.CboFileType->setCurrentIndex(0);
    f.DefinirCheminDossier(b.photos());
    b.dialogues.attendreSaisie({}, "a");
    m.article("mnucasseplus")->trigger();
    QCOMPARE(relu.lire(Banc::lire(b.programme() + "/Options.cfg")), 22);
    QCOMPARE(relu.CasseIgnoree, quint8(0));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstFenetre::niveauDeDeplacement() {
    Banc b;
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    MenusPhoto& m = f.menus();
    b.dialogues.attendreMessage(
        "Vous devrez sélectionner les fichiers à déplacer, puis\nindiquer le numéro du rang de "
        "déplacement.\n(la recherche du numéro de rang doit être faite avant l'opération de "
        "déplacement)");
    m.article("mnuNiveau")->trigger();
    QCOMPARE(etat.options.NiveauParNumero, quint8(1));
    QVERIFY(m.article("mnuNiveau")->isChecked());
    // Already chosen: no message, the file is written again all the same.
    QFile::remove(b.programme() + "/Options.cfg");
    m.article("mnuNiveau")->trigger();
    QVERIFY(m.article("mnuNiveau")->isChecked());
    QVERIFY(QFile::exists(b.programme() + "/Options.cfg"));
    b.dialogues.attendreMessage(
        "Vous devrez marquer (bouton  [M]) les fichiers à déplacer, puis\ncliquer sur le fichier "
        "correspondant au rang de déplacement,\navant de débuter l'opération de déplacement.");
    m.article("mnuPasNiveau")->trigger();
    QCOMPARE(etat.options.NiveauParNumero, quint8(0));
    QVERIFY(!m.article("mnuNiveau")->isChecked());
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstFenetre::couleurDesInfos() {
    Banc b;
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    b.dialogues.attendreCouleur(std::nullopt);
    f.menus().article("mnuCouleur")->trigger();
    QCOMPARE(etat.options.CouleurInfos, 65280);
    QVERIFY(!QFile::exists(b.programme() + "/Options.cfg"));
    b.dialogues.attendreCouleur(QColor(1, 2, 3));
    f.menus().article("mnuCouleur")->trigger();
    QCOMPARE(etat.options.CouleurInfos, 1 + 2 * 256 + 3 * 65536);
    QVERIFY(Banc::lire(b.programme() + "/Options.cfg").contains(",197121,"));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstFenetre::avertissement() {
    Banc b;
    ouvrirSur(b, b.photos());
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.Form_Activate();
    QAction* av = f.menus().article("mnuAv");
    QVERIFY(av->isChecked());
    av->trigger();
    QVERIFY(!etat.photo.AfficherAvertissement);
    QVERIFY(Banc::lire(b.programme() + "/Photo.ini").contains(",#FALSE#,"));
    // A later activation leaves it off.
    f.Form_Activate();
    QVERIFY(!av->isChecked());
    // Ticked again: the warning window shows, and its own box can untick the item.
    b.dialogues.attendreFenetre("FrmAvertissement", [](QDialog& d) {
        QTest::mouseClick(d.findChild<QCheckBox*>("ChkAv"), Qt::LeftButton);
        return 0;
    });
    av->trigger();
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(!av->isChecked());
}

void TstFenetre::aide() {
    Banc b;
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    auto attendreAide = [&] {
        b.dialogues.attendreMessage(
            "Lorsque vous transférez les photos de votre APN dans un répertoire de votre "
            "ordinateur,\nla première chose à faire est peut être d'incrémenter les fichiers pour "
            "conserver l'ordre chronologique de vos prises de vue.\n\nVous pouvez donner un nom à "
            "cette liste, ou renommer vos fichiers ultérieurement, en choisissant la bonne option "
            "de sélection.\n\nSi vous décidez de réorganiser votre liste, refaites une nouvelle "
            "incrémentation pour conserver votre nouveau choix.");
        b.dialogues.attendreMessage(
            "Lorsque vous modifiez le nom d'un fichier, il suffit d'appuyer sur la touche "
            "\"Entrée\", ou \"Bas \", ou \"Haut \"de votre clavier\npour enregistrer la "
            "modification.\n\nLe fichier suivant est automatiquement sélectionné, ainsi que la "
            "partie du texte à modifier (selon votre choix de sélection, dans les options) ... il "
            "suffit juste d'écrire le nouveau nom choisi ; et ainsi de suite.");
        b.dialogues.attendreMessage(
            "Si vous désirez sélectionner plusieurs fichiers dans votre liste, pour quelque "
            "opération que ce soit (donner un même nom, copier, supprimer, déplacer ...), vous "
            "pouvez les mémoriser en les marquant, par un click sur le bouton \"M\".\n\nUn click "
            "sur le bouton \"Se\" permettra ensuite de sélectionner tous ces fichiers marqués.\n\n"
            "Un click droit dans la liste des fichiers appelle un menu contextuel.");
    };
    attendreAide();
    f.axBAide->click();
    VERIFIER_DIALOGUES(b.dialogues);
    attendreAide();
    QTest::keyClick(f.TxtFileName, Qt::Key_F1);
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstFenetre::aPropos() {
    Banc b;
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    QString version;
    b.dialogues.attendreFenetre("FrmAPROPOS", [&](QDialog& d) {
        version = d.findChild<QLabel*>("LblVersion")->text();
        QTest::mouseClick(d.findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
        return d.result();
    });
    f.axBAP->click();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(version, QString("[Version 1.2.3]"));
}

void TstFenetre::eclairage() {
    Banc b;
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    QEvent entree(QEvent::Enter);
    QApplication::sendEvent(f.CmdRefresh, &entree);
    QVERIFY(f.CmdRefresh->property("eclaire").toBool());
    QApplication::sendEvent(f.CmdOK, &entree);
    QVERIFY(f.CmdOK->property("eclaire").toBool());
    QVERIFY(!f.CmdRefresh->property("eclaire").toBool());
    QTest::mouseMove(&f, QPoint(600, 730));
    QMouseEvent mouvement(QEvent::MouseMove, QPointF(600, 730), f.mapToGlobal(QPointF(600, 730)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &mouvement);
    QVERIFY(!f.CmdOK->property("eclaire").toBool());
}

void TstFenetre::fermetureSansMarque() {
    Banc b;
    Banc::creerFichier(b.photos() + "/a.jpg");
    ouvrirSur(b, b.photos());
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.Form_Activate();
    QVERIFY(f.close());
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(QFile::exists(b.programme() + "/Pos.ini"));
}

void TstFenetre::fermetureAvecMarqueAilleurs() {
    Banc b;
    const QString avant = b.racine() + "/avant";
    Banc::creerFichier(avant + "/x.jpg   [M]", "x");
    Banc::creerFichier(avant + "/y.jpg   [M]", "y marqué");
    Banc::creerFichier(avant + "/y.jpg", "y déjà là");
    ouvrirSur(b, avant);
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.Form_Activate();
    f.DefinirCheminDossier(b.photos());
    b.dialogues.attendreMessage(Question, Dialogues::Reponse::Oui);
    QVERIFY(f.close());
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues()[0].boutons, Dialogues::Boutons::OuiNonAnnuler);
    QCOMPARE(Banc::lire(avant + "/x.jpg"), QByteArray("x"));
    // The unmarked name is taken: that file keeps its mark, nothing is replaced.
    QCOMPARE(Banc::lire(avant + "/y.jpg"), QByteArray("y déjà là"));
    QCOMPARE(Banc::lire(avant + "/y.jpg   [M]"), QByteArray("y marqué"));
    QVERIFY(QFile::exists(b.programme() + "/Pos.ini"));
}

void TstFenetre::fermetureAnnulee() {
    Banc b;
    Banc::creerFichier(b.photos() + "/x.jpg   [M]");
    ouvrirSur(b, b.photos());
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.show();
    f.Form_Activate();
    b.dialogues.attendreMessage(Question, Dialogues::Reponse::Annuler);
    QVERIFY(!f.close());
    QVERIFY(f.isVisible());
    QVERIFY(QFile::exists(b.photos() + "/x.jpg   [M]"));
    QVERIFY(!QFile::exists(b.programme() + "/Pos.ini"));
    b.dialogues.attendreMessage(Question, Dialogues::Reponse::Non);
    QVERIFY(f.close());
    QVERIFY(QFile::exists(b.photos() + "/x.jpg   [M]"));
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstFenetre)
#include "tst_fenetre.moc"
