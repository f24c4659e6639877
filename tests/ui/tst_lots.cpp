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
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The table rows name only the fields they set.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using Reglages = std::function<void(FrmChoixIncrementation&)>;

const QString Conflit = QStringLiteral(
    "Il y a probablement un conflit entre des noms de fichiers (identiques).\nL'opération "
    "d'incrémentation, ou de renommage, doit s'arrêter.");
const QString Selectionnez = QStringLiteral(
    "Sélectionnez les fichiers concernés,\npuis cliquez à nouveau sur le menu \"Remplacer une "
    "chaine de caractères.\"");

const QString Choisir =
    QStringLiteral("Vous devez au préalable sélectionner les fichiers à incrémenter et renommer !");

// CmdInc: the warning closed by OK; the options set by reglages and confirmed unless they
// closed the window; the boxes from the window on.
void entrerMode(Banc& b, FrmPhoto& f, const Reglages& reglages = {},
                const QStringList& boites = {}) {
    if (f.etat().photo.AfficherAvertissement)
        b.dialogues.attendreFenetre("FrmAvertissement", [](QDialog& d) {
            static_cast<FrmAvertissement&>(d).CmdOK->click();
            return d.result();
        });
    b.dialogues.attendreFenetre("FrmChoixIncrémentation", [reglages](QDialog& d) {
        auto& c = static_cast<FrmChoixIncrementation&>(d);
        c.setResult(-1);
        if (reglages)
            reglages(c);
        if (c.result() == -1)
            c.CmdOK->click();
        return d.result();
    });
    b.dialogues.attendreMessages(boites);
    QTest::mouseClick(f.CmdInc, Qt::LeftButton);
}

// How a row starts: the action button after entering the mode, the replacement by F12 or by
// the keyboard renaming's check of the link string, or the number moved to the right.
enum class Commande { Action, F12, Liaison, Droite };

// One command on a folder: the options, the entries chosen ("*" for all, none: as the options
// leave them), the boxes in turn (after "Poursuivre ?" for a replacement: Yes when there are
// any); then the folder's names and the last reports' rows, or none. A pass stopped half-way
// leaves its report open.
struct Lot {
    Commande commande = Commande::Action;
    QStringList fichiers{"a.jpg", "b.jpg"};
    Reglages reglages;
    QStringList choisis{"*"};
    QStringList boites;
    QStringList apres; // empty: the folder unchanged
    QList<QStringList> rapports;
    bool laisser = false;
};

} // namespace

Q_DECLARE_METATYPE(Lot)

class TstLots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lots_data();
    void lots();
};

void TstLots::lots_data() {
    QTest::addColumn<Lot>("p");
    // The option choosing them all.
    const auto sansTitre = [](FrmChoixIncrementation& c) {
        c.ChkTitre->click();
        c.ChkSel->click();
    };
    // Renaming needs a title: the box stays ticked.
    const auto renommer = [](FrmChoixIncrementation& c) {
        c.ChkTitre->click();
        c.ChkRenom->click();
        c.ChkTitre->click();
        QVERIFY(c.ChkTitre->isChecked());
    };
    const QStringList incrementes{"03 _ old.jpg", "04 _ old.JPG   [M]", "x.jpg"};
    // The second pass's report lists the names the first one gave; the mark is dropped.
    QTest::newRow("retrait du numéro") << Lot{
        .fichiers = {"01 _ a.jpg", "02 _ b.jpg", "c.JPG   [M]"},
        .reglages = sansTitre,
        .choisis = {},
        .boites = {"oui:Cette liste a peut être déjà été incrémentée.\nVoulez-vous "
                   "supprimer le numéro de la première incrémentation ?",
                   ""},
        .apres = {"1 _ c.jpg", "2 _ a.jpg", "3 _ b.jpg"},
        .rapports = {{".../  1 _ c.jpg | .../  1 _ c.jpg", ".../  2 _ 01 _ a.jpg | .../  2 _ a.jpg",
                      ".../  3 _ 02 _ b.jpg | .../  3 _ b.jpg"}}};
    // A name that is not numbered: the warning, then No changes nothing.
    QTest::newRow("renommer une liste pas incrémentée") << Lot{
        .fichiers = incrementes,
        .reglages = renommer,
        .boites = {"saisie:Mer|", "",
                   "non:TRES IMPORTANT : si cette liste n'est pas déjà entièrement incrémentée "
                   "\nveuillez annuler l'opération, sous peine de résultats fantaisistes.\n\nLa "
                   "liste est-elle déjà complètement incrémentée :"}};
    QTest::newRow("renommer une liste incrémentée")
        << Lot{.fichiers = incrementes,
               .reglages = renommer,
               .choisis = {"03 _ old.jpg", "04 _ old.JPG   [M]"},
               .boites = {"saisie:Mer|", "oui:"},
               .apres = {"03 _ Mer.jpg", "04 _ Mer.jpg", "x.jpg"},
               .rapports = {{".../  04 _ old.JPG   [M] | .../  04 _ Mer.jpg",
                             ".../  03 _ old.jpg | .../  03 _ Mer.jpg"}}};
    QTest::newRow("rien de choisi") << Lot{.choisis = {}, .boites = {Choisir}};
    // The report stays open with the rows done, its button there to close it.
    QTest::newRow("numéro au-delà de 32767")
        << Lot{.reglages = [](FrmChoixIncrementation& c) { c.TxtChiffre->setText("32767"); },
               .boites = {"saisie:T|", Conflit},
               .apres = {"32767 _ T.jpg", "b.jpg"},
               .rapports = {{".../  a.jpg | .../  32767 _ T.jpg", ".../  b.jpg ! "}},
               .laisser = true};

    // One occurrence from the first character.
    const auto ligne = [](Commande commande, const char* nom, Lot l) {
        l.commande = commande;
        QTest::newRow(nom) << l;
    };
    ligne(Commande::F12, "remplacer une fois",
          {.fichiers = {"IMG_1.jpg   [M]", "IMG_IMG.jpg"},
           .boites = {"saisie:IMG|", "saisie:Plage|", "saisie:1|", "saisie:1|", "oui:Validez ?"},
           .apres = {"Plage_1.jpg", "Plage_IMG.jpg"},
           .rapports = {{".../  IMG_1.jpg   [M] | .../  Plage_1.jpg",
                         ".../  IMG_IMG.jpg | .../  Plage_IMG.jpg"}}});
    // Nothing chosen at "Poursuivre ?": wait for a choice.
    const QString aucun =
        QStringLiteral("Aucun fichier n'est sélectionné !\n\nVoulez-vous abandonner ?");
    ligne(Commande::F12, "sans choix : attendre",
          {.choisis = {}, .boites = {"non:" + aucun, Selectionnez}});
    // The link string corrected, or not: the keyboard renaming's check says so.
    const QStringList liaison{"01-a.jpg", "02-b.jpg"};
    const auto parLiaison = [&](const char* nom, const QStringList& boites,
                                const QStringList& apres = {},
                                const QList<QStringList>& rapports = {}) {
        ligne(Commande::Liaison, nom,
              {.fichiers = liaison, .boites = boites, .apres = apres, .rapports = rapports});
    };
    parLiaison("liaison corrigée",
               {"saisie:-|", "saisie: _ |", "saisie:1|", "saisie:-1|", "oui:Validez ?"},
               {"01 _ a.jpg", "02 _ b.jpg"},
               {{".../  01-a.jpg | .../  01 _ a.jpg", ".../  02-b.jpg | .../  02 _ b.jpg"}});
    parLiaison("liaison mal corrigée",
               {"saisie:-|", "saisie:+|", "saisie:1|", "saisie:-1|", "oui:Validez ?",
                "La chaine de liaison n'a pas été correctement corrigée."},
               {"01+a.jpg", "02+b.jpg"},
               {{".../  01-a.jpg | .../  01+a.jpg", ".../  02-b.jpg | .../  02+b.jpg"}});
    // The ways out of the replacement before anything is renamed.
    const QString vide = QStringLiteral("non:Voulez-vous poursuivre avec une chaine vide ?");
    parLiaison("Poursuivre : Non", {});
    parLiaison("remplacement vide", {"saisie:a|", "saisie:|", vide});
    parLiaison("caractère interdit", {"saisie:a|", "saisie:x*|",
                                      "Ce caractères de remplacement est un caractère "
                                      "interdit !\nOpération annulée."});

    const QString oui = QStringLiteral("oui:Voulez-vous poursuivre ?");
    const QString refus = QStringLiteral(
        "La liste doit être entièrement incrémentée à gauche pour réaliser cette opération.");
    ligne(Commande::Droite, "à droite : liste vide", {.fichiers = {}, .boites = {oui, refus}});
    // Back again on Yes, with a report of its own naming the names given.
    ligne(Commande::Droite, "à droite, aller et retour",
          {.fichiers = {"001 _ Plage.jpg", "002 _ Mer.JPG", "003 _ Port.jpg   [M]",
                        "004 _ 012 _ Vue.jpg"},
           .boites = {oui, "oui:Voulez-vous revenir à la configuration antérieure ?"},
           .apres = {"001 _ Plage.jpg", "002 _ Mer.jpg", "003 _ Port.jpg", "004 _ Vue.jpg"},
           .rapports = {{".../  Mer _ 002.jpg | .../  002 _ Mer.jpg",
                         ".../  Plage _ 001.jpg | .../  001 _ Plage.jpg",
                         ".../  Port _ 003.jpg | .../  003 _ Port.jpg",
                         ".../  Vue _ 004.jpg | .../  004 _ Vue.jpg"}}});
}

void TstLots::lots() {
    QFETCH(Lot, p);
    Banc b;
    FenetreOuverte w(b, p.fichiers);
    FrmPhoto& f = w.f;
    Rapports r(f);
    r.laisser = p.laisser;
    const QStringList avant = nomsSurDisque(b.photos());
    QStringList pendant;
    QObject::connect(f.incrementation().rapport(), &FrmRenom::etatFinalAtteint,
                     [&] { pendant = nomsSurDisque(b.photos()); });
    // Every box is queued at once: the replacement's first press asks for a selection, then
    // "Poursuivre ?"; the number on the right first says what it does.
    const bool remplacer = p.commande == Commande::F12 || p.commande == Commande::Liaison;
    QStringList boites = p.boites;
    if (remplacer)
        boites.prepend((p.boites.isEmpty() ? "non:" : "oui:") +
                       QStringLiteral("Poursuivre le remplacement de\nchaine de caractères ?"));
    if (p.commande == Commande::Action) {
        entrerMode(b, f, p.reglages, boites);
    } else if (p.commande == Commande::F12) {
        f.LstFF->selectAll();
        b.dialogues.attendreMessages(QStringList{Selectionnez} + boites);
        QTest::keyClick(f.LstFF, Qt::Key_F12);
    } else if (p.commande == Commande::Liaison) {
        // The keyboard renaming's check finds another link string; No starts the replacement.
        b.dialogues.attendreMessages(QStringList{"", "non:", Selectionnez} + boites);
        f.renommage().mnuSecOpt_Click();
    } else {
        // Two notes on what it does, then the question.
        b.dialogues.attendreMessages(QStringList{"", ""} + boites);
    }
    if (p.choisis == QStringList{"*"})
        f.LstFF->selectAll();
    else if (!p.choisis.isEmpty())
        choisir(f, p.choisis);
    if (remplacer)
        f.menus().article("mnuremplace")->trigger();
    else if (p.commande == Commande::Droite)
        f.menus().article("mnuIncrDte")->trigger();
    else if (!f.CmdD->isHidden())
        QTest::mouseClick(f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(nomsSurDisque(b.photos()), p.apres.isEmpty() ? avant : p.apres);
    // The last reports, or none at all.
    QCOMPARE(r.lignes.mid(p.rapports.isEmpty() ? 0 : r.lignes.size() - p.rapports.size()),
             p.rapports);
    if (remplacer) {
        // The replacement's report is a preview: nothing is renamed before "Validez ?".
        if (!p.rapports.isEmpty())
            QCOMPARE(pendant, avant);
        QCOMPARE(f.renommage().RemplacementEnCours,
                 p.boites.value(p.boites.size() - 1) == Selectionnez);
        QVERIFY(!w.etat.RemplacementLiaison && !w.etat.VerifierLiaison);
    }
    if (p.boites.value(p.boites.size() - 1) == Choisir) {
        // Still waiting for a choice, a click below the entries ignored; Cancel leaves.
        QVERIFY(!f.CmdD->isHidden() && w.etat.IgnorerClicVide);
        QTest::mouseClick(f.CmdA, Qt::LeftButton);
        QVERIFY(!w.etat.IgnorerClicVide);
        QCOMPARE(f.LstFF->currentRow(), 0);
    }
    QVERIFY(!f.CmdInc->isHidden() && f.CmdA->isHidden() && f.CmdD->isHidden());
    QVERIFY(!w.etat.IgnorerClicVide);
    FrmRenom* rapport = f.incrementation().rapport();
    if (p.commande == Commande::Action && !p.rapports.isEmpty() && !p.laisser)
        QVERIFY(!w.etat.FinRapport);
    QCOMPARE(rapport->isVisible(), p.laisser);
    if (!p.laisser)
        return;
    QVERIFY(rapport->EnEtatFinal() && rapport->CmdTer->isVisible());
    QTest::mouseClick(rapport->CmdTer, Qt::LeftButton);
    QVERIFY(!rapport->isVisible() && w.etat.FinRapport);
    // The press left over from the failed pass does not end the next pass's wait.
    r.laisser = false;
    entrerMode(b, f, {}, {"saisie:U|", ""});
    choisir(f, {"b.jpg"});
    QTest::mouseClick(f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(r.lignes.size(), 2);
}

VIMBRAL_TEST_MAIN(TstLots)
#include "tst_lots.moc"
