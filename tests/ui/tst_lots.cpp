// What the model-based test leaves to the batch commands: their windows (the warning, the
// options, the report), their messages, and their paths through the questions.
#include "banc.h"
#include "etatprogramme.h"
#include "frmavertissement.h"
#include "frmchoixincrementation.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "incrementation.h"
#include "menusphoto.h"
#include "outilsfenetre.h"
#include "renommageclavier.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

// The table rows name only the fields they set.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using Reglages = std::function<void(FrmChoixIncrementation&)>;

const QString InviteTitre = QStringLiteral(
    "o  Donnez un nom à votre liste de photos.\n\no  Ce nom NE DOIT PAS contenir la chaine de "
    "liaison.\n\no  Les caractères suivants ne doivent pas être utilisés :\n        \\   /   :   "
    "*   ?   \"   <   >");
const QString Conflit = QStringLiteral(
    "Il y a probablement un conflit entre des noms de fichiers (identiques).\nL'opération "
    "d'incrémentation, ou de renommage, doit s'arrêter.");
const QString Selectionnez = QStringLiteral(
    "Sélectionnez les fichiers concernés,\npuis cliquez à nouveau sur le menu \"Remplacer une "
    "chaine de caractères.\"");
const QString Poursuivre = QStringLiteral("Poursuivre le remplacement de\nchaine de caractères ?");
const QString Vide = QStringLiteral("Voulez-vous poursuivre avec une chaine vide ?");

QString compte(int n) {
    return QStringLiteral("Les %1 fichier(s) sélectionné(s) de la liste ont été incrémentés "
                          "et/ou renommés !")
        .arg(n);
}

// CmdInc: the warning closed by OK when it shows, the options set by reglages and confirmed.
void entrerMode(Banc& b, FrmPhoto& f, const Reglages& reglages = {}, bool avertissement = true) {
    if (avertissement && f.etat().photo.AfficherAvertissement)
        b.dialogues.attendreFenetre("FrmAvertissement", [](QDialog& d) {
            static_cast<FrmAvertissement&>(d).CmdOK->click();
            return d.result();
        });
    b.dialogues.attendreFenetre("FrmChoixIncrémentation", [reglages](QDialog& d) {
        auto& c = static_cast<FrmChoixIncrementation&>(d);
        if (reglages)
            reglages(c);
        c.CmdOK->click();
        return d.result();
    });
    QTest::mouseClick(f.CmdInc, Qt::LeftButton);
}

bool modeNormal(const FrmPhoto& f) {
    return !f.CmdInc->isHidden() && f.CmdA->isHidden() && f.CmdD->isHidden();
}

QStringList saisies(const QStringList& reponses) {
    QStringList s;
    for (const QString& r : reponses)
        s.append("saisie:" + r + "|");
    return s;
}

// One press of the action button: the folder, the options, the entries chosen ("*" for all),
// the boxes in turn; then the folder's names and the last report's rows. A pass stopped
// half-way leaves its report open (laisser).
struct Passe {
    QStringList fichiers{"a.jpg", "b.jpg"};
    Reglages reglages;
    QString liaison = QStringLiteral(" _ ");
    QStringList choisis{"*"};
    QStringList boites;
    QStringList apres; // empty: the folder unchanged
    QStringList lignes;
    bool laisser = false;
    int pauses = -1;
};

// The replacement from its first click (F12, or the keyboard renaming's check of the link
// string) to "Poursuivre ?" answered Yes with these boxes after it, or No when there are none.
struct CasRemplacement {
    QStringList fichiers{"a.jpg", "b.jpg   [M]"};
    bool liaison = true;
    QStringList boites;
    QStringList apres;
    QStringList lignes;
    int pauses = -1;
};

} // namespace

Q_DECLARE_METATYPE(Passe)
Q_DECLARE_METATYPE(CasRemplacement)

class TstLots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numeroter();
    void action_data();
    void action();
    void fenetresDuMode();
    void remplacement_data();
    void remplacement();
    void remplacementSansSelection();
    void numeroADroite_data();
    void numeroADroite();
};

void TstLots::numeroter() {
    QStringList fichiers;
    for (int i = 1; i <= 12; ++i)
        fichiers.append(QStringLiteral("IMG_%1.JPG").arg(i));
    Banc b;
    FenetreOuverte w(b, fichiers);
    FrmPhoto& f = w.f;
    Rapports r(f);
    b.dialogues.attendreFenetre("FrmAvertissement", [](QDialog& d) {
        auto& a = static_cast<FrmAvertissement&>(d);
        const QString texte = a.Label1->text() + "|" + a.Label2->text();
        const QString attendu = QStringLiteral(
            "SELECTIONNEZ les fichiers à renommer, APRES avoir choisi les OPTIONS, puis cliquez "
            "sur le bouton 'ACTION'.\n\nLa liste des fichiers sélectionnés sera incrémentée des "
            "chiffres 1, 2, 3, etc..., avec le titre éventuellement choisi, sans limitation de "
            "nombre...\n\nou seulement renommée (si elle a déjà été incrémentée).|La position du "
            "numéro d'incrémentation, à GAUCHE du texte, est désormais la position par défaut."
            "\n\nCe numéro pourra être placé à droite à partir du menu 'Options'.\n\nLa CHAINE "
            "de LIAISON est la chaine de caractères (espaces compris) qui relie le numéro "
            "d'incrémentation au nom du fichier.\n\n Cette chaine ne doit JAMAIS être présente "
            "dans le nom du fichier !");
        if (texte != attendu || a.ChkAv->isChecked())
            return int(QDialog::Rejected);
        a.CmdOK->click();
        return a.result();
    });
    entrerMode(
        b, f, [](FrmChoixIncrementation& c) { c.ChkSel->click(); }, false);
    QVERIFY(f.CmdInc->isHidden() && !f.CmdD->isHidden());
    QCOMPARE(selection(f).size(), 12);
    b.dialogues.attendreMessages({"saisie:Vacances|" + InviteTitre, compte(12)});
    QTest::mouseClick(f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues()[2].titre, QString("Titre de votre liste"));
    QCOMPARE(b.dialogues.vues()[3].icone, Dialogues::Icone::Information);
    QCOMPARE(b.horloge.pauses(), 12 * 150);

    // The report: every row in bold, in display order, then its button gives the focus back.
    FrmRenom* rapport = f.incrementation().rapport();
    QCOMPARE(rapport->LblRep->text(), b.photos() + "/");
    QCOMPARE(rapport->LV->headerItem()->text(0) + rapport->LV->headerItem()->text(1),
             QString("Ancien NomNouveau Nom"));
    QCOMPARE(r.lignes.size(), 1);
    QCOMPARE(r.lignes[0].size(), 12);
    QCOMPARE(r.lignes[0][1], QString(".../  IMG_10.JPG | .../  02 _ Vacances.jpg"));
    QCOMPARE(r.lignes[0].filter(" | ").size(), 12);
    QCOMPARE(rapport->palette().color(QPalette::Window), QColor(98, 80, 23));
    QCOMPARE(rapport->CmdTer->text(), QString("Opération terminée"));
    QCOMPARE(r.focus, f.CmdRefresh);
    QVERIFY(modeNormal(f) && !w.etat.FinRapport);
}

void TstLots::action_data() {
    QTest::addColumn<Passe>("p");
    const auto sansTitre = [](FrmChoixIncrementation& c) {
        c.ChkTitre->click();
        c.ChkSel->click();
    };
    // Renaming needs a title: the box stays ticked and the numbering options are off.
    const auto renommer = [](FrmChoixIncrementation& c) {
        c.ChkTitre->click();
        c.ChkRenom->click();
        c.ChkTitre->click();
        QVERIFY(c.ChkTitre->isChecked() && !c.Opt1->isEnabled() && !c.Opt2->isEnabled());
        QVERIFY(!c.TxtChiffre->isEnabled());
    };
    const QString important = QStringLiteral(
        "TRES IMPORTANT : si cette liste n'est pas déjà entièrement incrémentée \nveuillez "
        "annuler l'opération, sous peine de résultats fantaisistes.\n\nLa liste est-elle déjà "
        "complètement incrémentée :");
    const QStringList incrementes{"03 _ old.jpg", "04 _ old.JPG   [M]", "x.jpg"};
    // The second pass's report lists the names the first one gave; the mark is dropped.
    QTest::newRow("retrait du numéro") << Passe{
        .fichiers = {"01 _ a.jpg", "02 _ b.jpg", "c.JPG   [M]"},
        .reglages = sansTitre,
        .boites = {"oui:Cette liste a peut être déjà été incrémentée.\nVoulez-vous "
                   "supprimer le numéro de la première incrémentation ?",
                   compte(3)},
        .apres = {"1 _ c.jpg", "2 _ a.jpg", "3 _ b.jpg"},
        .lignes = {".../  1 _ c.jpg | .../  1 _ c.jpg", ".../  2 _ 01 _ a.jpg | .../  2 _ a.jpg",
                   ".../  3 _ 02 _ b.jpg | .../  3 _ b.jpg"},
        .pauses = 6 * 150};
    // A name that is not numbered: the warning, then No changes nothing.
    QTest::newRow("renommer une liste pas incrémentée") << Passe{
        .fichiers = incrementes,
        .reglages = renommer,
        .boites = {"saisie:Mer|", "\nCette liste n'est, à priori, pas entièrement incrémentée !",
                   "non:" + important}};
    QTest::newRow("renommer une liste incrémentée")
        << Passe{.fichiers = incrementes,
                 .reglages = renommer,
                 .choisis = {"03 _ old.jpg", "04 _ old.JPG   [M]"},
                 .boites = {"saisie:Mer|", "oui:"},
                 .apres = {"03 _ Mer.jpg", "04 _ Mer.jpg", "x.jpg"},
                 .lignes = {".../  04 _ old.JPG   [M] | .../  04 _ Mer.jpg",
                            ".../  03 _ old.jpg | .../  03 _ Mer.jpg"}};
    // What the action refuses: the title's answer, the link string, the start number.
    QTest::newRow("rien de choisi")
        << Passe{.choisis = {},
                 .boites = {"Vous devez au préalable sélectionner les fichiers à incrémenter et "
                            "renommer !"}};
    QTest::newRow("caractère") << Passe{
        .boites = {"saisie:Mer*|", "Le titre comporte un caractère interdit !"}};
    QTest::newRow("liaison dans le titre")
        << Passe{.boites = {"saisie:Mer _ Plage|", "Le titre comporte la chaine de liaison !"}};
    QTest::newRow("vide ou annulé")
        << Passe{.boites = {"saisie:|", "Aucun titre n'a été donné à la liste !"}};
    // A link string with ":" or "/" would make every new name refused, or a path.
    QTest::newRow("liaison avec deux-points")
        << Passe{.liaison = ":", .boites = {"saisie:T|", Conflit}};
    QTest::newRow("liaison avec barre oblique")
        << Passe{.liaison = "/", .boites = {"saisie:T|", Conflit}};
    // The report stays open with the rows done, its button there to close it.
    QTest::newRow("numéro au-delà de 32767")
        << Passe{.reglages = [](FrmChoixIncrementation& c) { c.TxtChiffre->setText("32767"); },
                 .boites = {"saisie:T|", Conflit},
                 .apres = {"32767 _ T.jpg", "b.jpg"},
                 .lignes = {".../  a.jpg | .../  32767 _ T.jpg", ".../  b.jpg ! "},
                 .laisser = true};
}

void TstLots::action() {
    QFETCH(Passe, p);
    Banc b;
    FenetreOuverte w(b, p.fichiers);
    FrmPhoto& f = w.f;
    Rapports r(f);
    r.laisser = p.laisser;
    w.etat.options.ChaineLiaison = p.liaison;
    entrerMode(b, f, p.reglages);
    if (p.choisis == QStringList{"*"})
        f.LstFF->selectAll();
    else if (!p.choisis.isEmpty())
        choisir(f, p.choisis);
    const QStringList avant = nomsSurDisque(b.photos());
    b.dialogues.attendreMessages(p.boites);
    QTest::mouseClick(f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(nomsSurDisque(b.photos()), p.apres.isEmpty() ? avant : p.apres);
    QCOMPARE(r.lignes.value(r.lignes.size() - 1), p.lignes);
    if (p.pauses >= 0)
        QCOMPARE(b.horloge.pauses(), p.pauses);
    if (p.choisis.isEmpty()) {
        // Still waiting for a choice, a click below the entries ignored; Cancel leaves.
        QVERIFY(!f.CmdD->isHidden() && w.etat.IgnorerClicVide);
        QTest::mouseClick(f.CmdA, Qt::LeftButton);
        QVERIFY(!w.etat.IgnorerClicVide);
        QCOMPARE(f.LstFF->currentRow(), 0);
    }
    QVERIFY(modeNormal(f));
    FrmRenom* rapport = f.incrementation().rapport();
    QCOMPARE(rapport->isVisible(), p.laisser);
    if (!p.laisser)
        return;
    QVERIFY(rapport->EnEtatFinal() && rapport->CmdTer->isVisible());
    QTest::mouseClick(rapport->CmdTer, Qt::LeftButton);
    QVERIFY(!rapport->isVisible() && w.etat.FinRapport);
    // The press left over from the failed pass does not end the next pass's wait.
    r.laisser = false;
    entrerMode(b, f);
    choisir(f, {"b.jpg"});
    b.dialogues.attendreMessages({"saisie:U|", compte(1)});
    QTest::mouseClick(f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(r.lignes.size(), 2);
}

// The warning unticked, then the options window: its labels, its refusals, Cancel; then the
// start numbers it refuses, without the warning.
void TstLots::fenetresDuMode() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg"});
    bool signale = true;
    QObject::connect(&w.f.incrementation(), &Incrementation::afficherAvertissementModifie,
                     [&](bool afficher) { signale = afficher; });
    b.dialogues.attendreFenetre("FrmAvertissement", [](QDialog& d) {
        auto& a = static_cast<FrmAvertissement&>(d);
        a.ChkAv->click();
        a.CmdOK->click();
        return a.result();
    });
    b.dialogues.attendreFenetre("FrmChoixIncrémentation", [](QDialog&) { return 0; });
    QTest::mouseClick(w.f.CmdInc, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(!w.etat.photo.AfficherAvertissement && !signale);
    QVERIFY(Banc::lire(b.programme() + "/Photo.ini").contains("#FALSE#"));

    b.dialogues.effacer();
    w.etat.options.ChaineLiaison = QStringLiteral(" - ");
    b.dialogues.attendreFenetre("FrmChoixIncrémentation", [&b](QDialog& d) {
        auto& c = static_cast<FrmChoixIncrementation&>(d);
        if (c.TxtL->text() != " - " || c.TxtChiffre->text() != "1" || !c.Opt1->isChecked() ||
            c.Lbl1->text() != "Numéro - Titre" || c.Lbl2->text() != "Titre - Numéro")
            return 99;
        c.TxtL->setText("++");
        if (c.Lbl1->text() != "Numéro++Titre" || c.Lbl2->text() != "Titre++Numéro")
            return 98;
        b.dialogues.attendreMessage("Chaine vide interdite !\nCaractère \" _ \" par défaut.");
        c.TxtL->clear();
        if (c.TxtL->text() != " _ " || c.TxtL->selectedText() != " _ " ||
            c.Lbl1->text() != "Numéro _ Titre")
            return 97;
        b.dialogues.attendreMessage("Le chiffre de début ne doit pas commencer par zéro.");
        c.TxtChiffre->setText(" 0 ");
        QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(c.TxtChiffre, &sortie);
        if (c.TxtChiffre->text() != "1")
            return 96;
        b.dialogues.attendreMessage("Les fichiers d'aide ne sont plus lus  ! ");
        c.CmdI->click();
        c.CmdAnnule->click();
        return c.result();
    });
    QTest::mouseClick(w.f.CmdInc, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    const auto& v = b.dialogues.vues();
    QCOMPARE(QList<Dialogues::Icone>({v[1].icone, v[2].icone, v[3].icone}),
             QList<Dialogues::Icone>({Dialogues::Icone::Exclamation, Dialogues::Icone::Information,
                                      Dialogues::Icone::Critique}));
    // Cancel: nothing saved, the normal buttons back, the list refreshed.
    QCOMPARE(w.etat.options.ChaineLiaison, QString(" - "));
    QVERIFY(!QFile::exists(b.programme() + "/Options.cfg"));
    QCOMPARE(w.f.incrementation().parametres().NumeroDepart, qint16(0));
    QVERIFY(modeNormal(w.f));
    QCOMPARE(w.f.LstFF->currentRow(), 0);

    b.dialogues.attendreFenetre("FrmChoixIncrémentation", [&](QDialog& d) {
        auto& c = static_cast<FrmChoixIncrementation&>(d);
        for (const char* depart : {"0", "32768"}) {
            c.TxtChiffre->setText(depart);
            b.dialogues.attendreMessage("Valeur de départ incorrecte ou nulle !\nLa valeur "
                                        "minimale est '1', ou '0...01'");
            c.CmdOK->click();
            if (c.result() != 0 || c.TxtChiffre->text() != "1" ||
                c.TxtChiffre->selectedText() != "1")
                return 99;
        }
        // Accepted once corrected, the start text kept as typed.
        c.TxtChiffre->setText("0008");
        c.CmdOK->click();
        return c.result();
    });
    QTest::mouseClick(w.f.CmdInc, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    const ParametresIncrementation& p = w.f.incrementation().parametres();
    QCOMPARE(p.NumeroDepart, qint16(8));
    QCOMPARE(p.ChiffreDepart, QString("0008"));
    QVERIFY(!modeNormal(w.f));
    // The menu still shows the warning, its box ticked.
    bool coche = false;
    b.dialogues.attendreFenetre("FrmAvertissement", [&coche](QDialog& d) {
        coche = static_cast<FrmAvertissement&>(d).ChkAv->isChecked();
        return 1;
    });
    w.f.incrementation().MontrerAvertissement();
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(coche);
}

void TstLots::remplacement_data() {
    QTest::addColumn<CasRemplacement>("p");
    // One occurrence from the first character; the report is a preview: nothing is renamed
    // before "Validez ?".
    QTest::newRow("une fois") << CasRemplacement{
        .fichiers = {"IMG_1.jpg   [M]", "IMG_IMG.jpg"},
        .liaison = false,
        .boites = {"saisie:IMG|Sous-chaine de caractères recherchée\nen vue de "
                   "remplacement :",
                   "saisie:Plage|Sous-chaine de caractères de remplacement :",
                   "saisie:1|Rang du 1er caractère du nom de fichier, où commencera la "
                   "recherche de la sous-chaine\nà remplacer :\n\nLa valeur est "
                   "obligatoirement >= à \"1\" sous peine d'interruption de l'opération "
                   "en cours.\n\nLa valeur par défaut est \"1\" ,ce qui veut dire que la "
                   "recherche commencera au premier caractère, donc portera sur tout le "
                   "nom.",
                   "saisie:1|Nombre de sous-chaines à remplacer à partir du premier "
                   "caractère choisi :\n\nLa valeur par défaut est \"-1\" ,ce qui veut "
                   "dire que toutes les sous-chaines seront remplacées ; sinon, inscrivez "
                   "le nombre.",
                   "oui:Validez ?"},
        .apres = {"Plage_1.jpg", "Plage_IMG.jpg"},
        .lignes = {".../  IMG_1.jpg   [M] | .../  Plage_1.jpg",
                   ".../  IMG_IMG.jpg | .../  Plage_IMG.jpg"},
        .pauses = 2 * 150 + 50};
    // The link string corrected, or not: the keyboard renaming's check says so.
    const QStringList liaison{"01-a.jpg", "02-b.jpg"};
    QTest::newRow("liaison corrigée") << CasRemplacement{
        .fichiers = liaison,
        .boites = saisies({"-", " _ ", "1", "-1"}) + QStringList{"oui:Validez ?"},
        .apres = {"01 _ a.jpg", "02 _ b.jpg"}};
    QTest::newRow("liaison mal corrigée") << CasRemplacement{
        .fichiers = liaison,
        .boites = saisies({"-", "+", "1", "-1"}) + QStringList{"oui:Validez ?",
                                                               "La chaine de liaison n'a pas été "
                                                               "correctement corrigée."},
        .apres = {"01+a.jpg", "02+b.jpg"}};
    // The ways out before anything is renamed.
    const auto abandon = [&](const char* nom, const QStringList& boites) {
        QTest::newRow(nom) << CasRemplacement{.fichiers = liaison, .boites = boites};
    };
    abandon("Poursuivre : Non", {});
    abandon("chaine recherchée vide", saisies({""}) + QStringList{"non:" + Vide});
    abandon("remplacement vide", saisies({"a", ""}) + QStringList{"non:" + Vide});
    abandon("caractère interdit",
            saisies({"a", "x*"}) + QStringList{"Ce caractères de remplacement est un caractère "
                                               "interdit !\nOpération annulée."});
    abandon("début 0", saisies({"a", "b", "0"}));
    abandon("début abc", saisies({"a", "b", "abc"}));
    abandon("nombre vide", saisies({"a", "b", "1", ""}));
}

void TstLots::remplacement() {
    QFETCH(CasRemplacement, p);
    Banc b;
    FenetreOuverte w(b, p.fichiers);
    FrmPhoto& f = w.f;
    Rapports r(f);
    const QStringList avant = nomsSurDisque(b.photos());
    QStringList pendant;
    QObject::connect(f.incrementation().rapport(), &FrmRenom::etatFinalAtteint,
                     [&] { pendant = nomsSurDisque(b.photos()); });
    if (p.liaison) {
        // The keyboard renaming's check finds another link string; No starts the replacement.
        b.dialogues.attendreMessages({"", "non:", Selectionnez});
        f.renommage().mnuSecOpt_Click();
        VERIFIER_DIALOGUES(b.dialogues);
        QVERIFY(w.etat.RemplacementLiaison);
    } else {
        b.dialogues.attendreMessage(Selectionnez);
        QTest::keyClick(f.LstFF, Qt::Key_F12);
    }
    f.LstFF->selectAll();
    b.dialogues.attendreMessages(QStringList{(p.boites.isEmpty() ? "non:" : "oui:") + Poursuivre} +
                                 p.boites);
    f.menus().article("mnuremplace")->trigger();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(nomsSurDisque(b.photos()), p.apres.isEmpty() ? avant : p.apres);
    QVERIFY(pendant.isEmpty() || pendant == avant);
    if (!p.lignes.isEmpty()) {
        QCOMPARE(r.lignes, QList<QStringList>{p.lignes});
        QCOMPARE(pendant, avant);
    }
    if (p.pauses >= 0)
        QCOMPARE(b.horloge.pauses(), p.pauses);
    QVERIFY(!f.renommage().RemplacementEnCours && !w.etat.RemplacementLiaison);
    QVERIFY(!w.etat.VerifierLiaison);
}

void TstLots::remplacementSansSelection() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg"});
    FrmPhoto& f = w.f;
    f.LstFF->selectAll();
    // The first click clears the selection; No to giving up: still waiting for one.
    b.dialogues.attendreMessage(Selectionnez);
    f.menus().article("mnuremplace")->trigger();
    QVERIFY(f.LstFF->selectedItems().isEmpty() && f.renommage().RemplacementEnCours);
    const QString aucun =
        QStringLiteral("Aucun fichier n'est sélectionné !\n\nVoulez-vous abandonner ?");
    b.dialogues.attendreMessages({"oui:" + Poursuivre, "non:" + aucun, Selectionnez});
    f.menus().article("mnuremplace")->trigger();
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(f.renommage().RemplacementEnCours);
    b.dialogues.attendreMessages({"oui:" + Poursuivre, "oui:" + aucun});
    f.menus().article("mnuremplace")->trigger();
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(!f.renommage().RemplacementEnCours);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"a.jpg", "b.jpg"}));
}

void TstLots::numeroADroite_data() {
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QStringList>("boites");
    const QString non = QStringLiteral("non:Voulez-vous poursuivre ?");
    const QString oui = QStringLiteral("oui:Voulez-vous poursuivre ?");
    const QString refus = QStringLiteral(
        "La liste doit être entièrement incrémentée à gauche pour réaliser cette opération.");
    QTest::newRow("Non à poursuivre") << QStringList{"001 _ a.jpg"} << QStringList{non};
    QTest::newRow("un nom sans numéro")
        << QStringList{"001 _ a.jpg", "b.jpg"} << QStringList{oui, refus};
    QTest::newRow("liste vide") << QStringList{} << QStringList{oui, refus};
    // The marked file first; back again on Yes, with a report of its own.
    QTest::newRow("aller et retour")
        << QStringList{"001 _ Plage.jpg", "002 _ Mer.JPG", "003 _ Port.jpg   [M]",
                       "004 _ 012 _ Vue.jpg"}
        << QStringList{oui, "oui:Voulez-vous revenir à la configuration antérieure ?"};
}

void TstLots::numeroADroite() {
    QFETCH(QStringList, fichiers);
    QFETCH(QStringList, boites);
    Banc b;
    FenetreOuverte w(b, fichiers);
    Rapports r(w.f);
    const QStringList avant = Banc::empreinte(b.photos());
    b.dialogues.attendreMessages(
        QStringList{
            "Cette opération n'a pas un intérêt majeur,\net peut même être source de résultats "
            "fantaisites,\nprincipalement si le nom des fichiers diffère.\n\nLa liste des "
            "fichiers doit, en premier lieu, être entièrement incrémentée à gauche.",
            "A l'issue de l'opération, vous aurez la possibilité de revenir aussitôt à "
            "l'affichage antérieur.\n\nSi vous désirez faire ce choix ultérieurement, il faudra "
            "le faire \"manuellement\" :\n\n- incrémenter la liste à gauche,\n- peut être la "
            "réorganiser,\n- puis effacer le chiffre d'incrémentation à droite, fichier par "
            "fichier."} +
        boites);
    w.f.menus().article("mnuIncrDte")->trigger();
    VERIFIER_DIALOGUES(b.dialogues);
    if (fichiers.size() < 4) {
        QVERIFY(r.lignes.isEmpty());
        QCOMPARE(Banc::empreinte(b.photos()), avant);
        return;
    }
    QCOMPARE(r.lignes, QList<QStringList>({{".../  003 _ Port.jpg   [M] | .../  Port _ 003.jpg",
                                            ".../  001 _ Plage.jpg | .../  Plage _ 001.jpg",
                                            ".../  002 _ Mer.JPG | .../  Mer _ 002.jpg",
                                            ".../  004 _ 012 _ Vue.jpg | .../  Vue _ 004.jpg"},
                                           {".../  Mer _ 002.jpg | .../  002 _ Mer.jpg",
                                            ".../  Plage _ 001.jpg | .../  001 _ Plage.jpg",
                                            ".../  Port _ 003.jpg | .../  003 _ Port.jpg",
                                            ".../  Vue _ 004.jpg | .../  004 _ Vue.jpg"}}));
    QCOMPARE(b.horloge.pauses(), 8 * 150);
}

VIMBRAL_TEST_MAIN(TstLots)
#include "tst_lots.moc"
