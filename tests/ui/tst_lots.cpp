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

// The replacement's two clicks on the entries given, with the boxes between them.
void remplacer(Banc& b, FrmPhoto& f, const QList<int>& rangs, const QStringList& boites) {
    b.dialogues.attendreMessage(Selectionnez);
    QTest::keyClick(f.LstFF, Qt::Key_F12);
    for (int i : rangs)
        f.LstFF->item(i)->setSelected(true);
    b.dialogues.attendreMessages(QStringList{"oui:" + Poursuivre} + boites);
    f.menus().article("mnuremplace")->trigger();
}

QStringList saisies(const QStringList& reponses) {
    QStringList s;
    for (const QString& r : reponses)
        s.append("saisie:" + r + "|");
    return s;
}

} // namespace

class TstLots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numeroter();
    void retraitDuNumero();
    void renommerUneListeIncrementee();
    void fenetreDOptions();
    void departsRefuses_data();
    void departsRefuses();
    void avertissement();
    void refus_data();
    void refus();
    void rapportLaisseOuvertPuisNouvellePasse();
    void remplacerUneFois();
    void abandonsDuRemplacement_data();
    void abandonsDuRemplacement();
    void remplacementSansSelection();
    void chaineDeLiaison_data();
    void chaineDeLiaison();
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
    QCOMPARE(entrees(f), nomsSurDisque(b.photos()));
}

void TstLots::retraitDuNumero() {
    // The second pass's report lists the names the first one gave; the mark is dropped.
    Banc b;
    FenetreOuverte w(b, {"01 _ a.jpg", "02 _ b.jpg", "c.JPG   [M]"});
    Rapports r(w.f);
    entrerMode(b, w.f, [](FrmChoixIncrementation& c) {
        c.ChkTitre->click();
        c.ChkSel->click();
    });
    b.dialogues.attendreMessages(
        {"oui:Cette liste a peut être déjà été incrémentée.\nVoulez-vous supprimer le numéro de "
         "la première incrémentation ?",
         compte(3)});
    QTest::mouseClick(w.f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(r.lignes.value(1), QStringList({".../  1 _ c.jpg | .../  1 _ c.jpg",
                                             ".../  2 _ 01 _ a.jpg | .../  2 _ a.jpg",
                                             ".../  3 _ 02 _ b.jpg | .../  3 _ b.jpg"}));
    QCOMPARE(b.horloge.pauses(), 6 * 150);
}

void TstLots::renommerUneListeIncrementee() {
    Banc b;
    FenetreOuverte w(b, {"03 _ old.jpg", "04 _ old.JPG   [M]", "x.jpg"});
    FrmPhoto& f = w.f;
    Rapports r(f);
    const QStringList avant = Banc::empreinte(b.photos());
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
    // A name that is not numbered: the warning, then No changes nothing.
    entrerMode(b, f, renommer);
    f.LstFF->selectAll();
    b.dialogues.attendreMessages({"saisie:Mer|",
                                  "\nCette liste n'est, à priori, pas entièrement incrémentée !",
                                  "non:" + important});
    QTest::mouseClick(f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(Banc::empreinte(b.photos()), avant);
    QVERIFY(modeNormal(f));

    entrerMode(b, f, renommer);
    choisir(f, {"03 _ old.jpg", "04 _ old.JPG   [M]"});
    b.dialogues.attendreMessages({"saisie:Mer|", "oui:"});
    QTest::mouseClick(f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"03 _ Mer.jpg", "04 _ Mer.jpg", "x.jpg"}));
    QCOMPARE(r.lignes, (QList<QStringList>{{".../  04 _ old.JPG   [M] | .../  04 _ Mer.jpg",
                                            ".../  03 _ old.jpg | .../  03 _ Mer.jpg"}}));
    QVERIFY(modeNormal(f));
}

void TstLots::fenetreDOptions() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg"});
    w.etat.options.ChaineLiaison = QStringLiteral(" - ");
    w.etat.photo.AfficherAvertissement = false;
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
}

void TstLots::departsRefuses_data() {
    QTest::addColumn<QString>("depart");
    QTest::newRow("0") << "0";
    QTest::newRow("32768") << "32768";
}

void TstLots::departsRefuses() {
    QFETCH(QString, depart);
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg"});
    w.etat.photo.AfficherAvertissement = false;
    b.dialogues.attendreFenetre("FrmChoixIncrémentation", [&](QDialog& d) {
        auto& c = static_cast<FrmChoixIncrementation&>(d);
        c.TxtChiffre->setText(depart);
        b.dialogues.attendreMessage(
            "Valeur de départ incorrecte ou nulle !\nLa valeur minimale est '1', ou '0...01'");
        c.CmdOK->click();
        if (c.result() != 0 || c.TxtChiffre->text() != "1" || c.TxtChiffre->selectedText() != "1")
            return 99;
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
}

void TstLots::avertissement() {
    Banc b;
    FenetreOuverte w(b, {"a.jpg"});
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
    // No warning the next time; the menu can still show it.
    entrerMode(b, w.f);
    VERIFIER_DIALOGUES(b.dialogues);
    bool coche = false;
    b.dialogues.attendreFenetre("FrmAvertissement", [&coche](QDialog& d) {
        coche = static_cast<FrmAvertissement&>(d).ChkAv->isChecked();
        return 1;
    });
    w.f.incrementation().MontrerAvertissement();
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(coche);
}

void TstLots::refus_data() {
    // What the action refuses: the title's answer, the link string, the start number. The
    // report shows what was done before the refusal, or stays closed.
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("liaison");
    QTest::addColumn<QString>("depart");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("apres");
    QTest::addColumn<int>("lignesFaites"); // -1: no report
    auto ligne = [](const char* nom, const char* titre, const char* liaison, const char* depart,
                    const QString& message, const QStringList& apres, int faites) {
        QTest::newRow(nom) << QString::fromUtf8(titre) << QString(liaison) << QString(depart)
                           << message << apres << faites;
    };
    const QStringList ab{"a.jpg", "b.jpg"};
    ligne("rien de choisi", "", " _ ", "1",
          "Vous devez au préalable sélectionner les fichiers à incrémenter et renommer !", ab, -1);
    ligne("caractère", "Mer*", " _ ", "1", "Le titre comporte un caractère interdit !", ab, -1);
    ligne("liaison dans le titre", "Mer _ Plage", " _ ", "1",
          "Le titre comporte la chaine de liaison !", ab, -1);
    ligne("vide ou annulé", "", " _ ", "1", "Aucun titre n'a été donné à la liste !", ab, -1);
    // A link string with ":" or "/" would make every new name refused, or a path.
    ligne("liaison avec deux-points", "T", ":", "1", Conflit, ab, -1);
    ligne("liaison avec barre oblique", "T", "/", "1", Conflit, ab, -1);
    ligne("numéro au-delà de 32767", "T", " _ ", "32767", Conflit, {"32767 _ T.jpg", "b.jpg"}, 1);
}

void TstLots::refus() {
    QFETCH(QString, titre);
    QFETCH(QString, liaison);
    QFETCH(QString, depart);
    QFETCH(QString, message);
    QFETCH(QStringList, apres);
    QFETCH(int, lignesFaites);
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg"});
    FrmPhoto& f = w.f;
    Rapports r(f);
    r.laisser = true;
    w.etat.options.ChaineLiaison = liaison;
    entrerMode(b, f, [depart](FrmChoixIncrementation& c) { c.TxtChiffre->setText(depart); });
    const bool choisis = QByteArray(QTest::currentDataTag()) != "rien de choisi";
    if (choisis) {
        f.LstFF->selectAll();
        b.dialogues.attendreSaisie(InviteTitre, titre);
    }
    b.dialogues.attendreMessage(message);
    QTest::mouseClick(f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(nomsSurDisque(b.photos()), apres);
    QCOMPARE(entrees(f), apres);
    FrmRenom* rapport = f.incrementation().rapport();
    QCOMPARE(rapport->isVisible(), lignesFaites >= 0);
    if (!choisis) {
        // Still waiting for a choice, a click below the entries ignored; Cancel leaves.
        QVERIFY(!f.CmdD->isHidden() && w.etat.IgnorerClicVide);
        QTest::mouseClick(f.CmdA, Qt::LeftButton);
        QVERIFY(!w.etat.IgnorerClicVide);
        QCOMPARE(f.LstFF->currentRow(), 0);
    }
    QVERIFY(modeNormal(f));
    if (lignesFaites < 0)
        return;
    // The report stays open with the rows done, its button there to close it.
    QVERIFY(rapport->EnEtatFinal() && rapport->CmdTer->isVisible());
    QCOMPARE(r.lignes.value(0).filter(" | .../  ").size(), lignesFaites);
    QTest::mouseClick(rapport->CmdTer, Qt::LeftButton);
    QVERIFY(!rapport->isVisible() && w.etat.FinRapport);
}

void TstLots::rapportLaisseOuvertPuisNouvellePasse() {
    Banc b;
    FenetreOuverte w(b, {"1 _ T.jpg", "a.jpg"});
    FrmPhoto& f = w.f;
    Rapports r(f);
    r.laisser = true;
    entrerMode(b, f);
    choisir(f, {"a.jpg"});
    b.dialogues.attendreMessages({"saisie:T|", Conflit});
    QTest::mouseClick(f.CmdD, Qt::LeftButton);
    QTest::mouseClick(f.incrementation().rapport()->CmdTer, Qt::LeftButton);
    QVERIFY(w.etat.FinRapport);
    // The press left over from the failed pass does not end the next pass's wait.
    r.laisser = false;
    entrerMode(b, f);
    choisir(f, {"a.jpg"});
    b.dialogues.attendreMessages({"saisie:U|", compte(1)});
    QTest::mouseClick(f.CmdD, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(r.lignes.size(), 2);
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"1 _ T.jpg", "1 _ U.jpg"}));
}

void TstLots::remplacerUneFois() {
    // One occurrence from the first character; the report is a preview: nothing is renamed
    // before "Validez ?".
    Banc b;
    FenetreOuverte w(b, {"IMG_1.jpg   [M]", "IMG_IMG.jpg"});
    Rapports r(w.f);
    QStringList noms;
    QObject::connect(w.f.incrementation().rapport(), &FrmRenom::etatFinalAtteint,
                     [&] { noms = nomsSurDisque(b.photos()); });
    remplacer(b, w.f, {0, 1},
              {"saisie:IMG|Sous-chaine de caractères recherchée\nen vue de remplacement :",
               "saisie:Plage|Sous-chaine de caractères de remplacement :",
               "saisie:1|Rang du 1er caractère du nom de fichier, où commencera la recherche de "
               "la sous-chaine\nà remplacer :\n\nLa valeur est obligatoirement >= à \"1\" sous "
               "peine d'interruption de l'opération en cours.\n\nLa valeur par défaut est \"1\" "
               ",ce qui veut dire que la recherche commencera au premier caractère, donc portera "
               "sur tout le nom.",
               "saisie:1|Nombre de sous-chaines à remplacer à partir du premier caractère "
               "choisi :\n\nLa valeur par défaut est \"-1\" ,ce qui veut dire que toutes les "
               "sous-chaines seront remplacées ; sinon, inscrivez le nombre.",
               "oui:Validez ?"});
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(r.lignes, (QList<QStringList>{{".../  IMG_1.jpg   [M] | .../  Plage_1.jpg",
                                            ".../  IMG_IMG.jpg | .../  Plage_IMG.jpg"}}));
    QCOMPARE(noms, QStringList({"IMG_1.jpg   [M]", "IMG_IMG.jpg"}));
    QCOMPARE(nomsSurDisque(b.photos()), QStringList({"Plage_1.jpg", "Plage_IMG.jpg"}));
    QCOMPARE(b.horloge.pauses(), 2 * 150 + 50);
    QVERIFY(!w.f.renommage().RemplacementEnCours);
}

void TstLots::abandonsDuRemplacement_data() {
    QTest::addColumn<QStringList>("boites");
    QTest::newRow("Poursuivre : Non") << QStringList{};
    QTest::newRow("chaine recherchée vide") << saisies({""}) + QStringList{"non:" + Vide};
    QTest::newRow("remplacement vide") << saisies({"a", ""}) + QStringList{"non:" + Vide};
    QTest::newRow("caractère interdit")
        << saisies({"a", "x*"}) + QStringList{"Ce caractères de remplacement est un caractère "
                                              "interdit !\nOpération annulée."};
    QTest::newRow("début 0") << saisies({"a", "b", "0"});
    QTest::newRow("début abc") << saisies({"a", "b", "abc"});
    QTest::newRow("nombre vide") << saisies({"a", "b", "1", ""});
}

void TstLots::abandonsDuRemplacement() {
    QFETCH(QStringList, boites);
    Banc b;
    FenetreOuverte w(b, {"a.jpg", "b.jpg   [M]"});
    const QStringList avant = Banc::empreinte(b.photos());
    w.etat.RemplacementLiaison = true;
    b.dialogues.attendreMessage(Selectionnez);
    w.f.menus().article("mnuremplace")->trigger();
    w.f.LstFF->selectAll();
    b.dialogues.attendreMessages(QStringList{(boites.isEmpty() ? "non:" : "oui:") + Poursuivre} +
                                 boites);
    w.f.menus().article("mnuremplace")->trigger();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(Banc::empreinte(b.photos()), avant);
    QVERIFY(!w.f.renommage().RemplacementEnCours && !w.etat.RemplacementLiaison);
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

void TstLots::chaineDeLiaison_data() {
    QTest::addColumn<QString>("remplacement");
    QTest::addColumn<QStringList>("apres");
    QTest::newRow("corrigée") << " _ " << QStringList{"01 _ a.jpg", "02 _ b.jpg"};
    QTest::newRow("mal corrigée") << "+" << QStringList{"01+a.jpg", "02+b.jpg"};
}

void TstLots::chaineDeLiaison() {
    QFETCH(QString, remplacement);
    QFETCH(QStringList, apres);
    Banc b;
    FenetreOuverte w(b, {"01-a.jpg", "02-b.jpg"});
    // The keyboard renaming's check finds another link string; No starts the replacement.
    b.dialogues.attendreMessages({"", "non:", Selectionnez});
    w.f.renommage().mnuSecOpt_Click();
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(w.etat.RemplacementLiaison);
    w.f.LstFF->selectAll();
    QStringList boites = QStringList{"oui:" + Poursuivre} +
                         saisies({"-", remplacement, "1", "-1"}) + QStringList{"oui:Validez ?"};
    if (remplacement == "+")
        boites.append("La chaine de liaison n'a pas été correctement corrigée.");
    b.dialogues.attendreMessages(boites);
    w.f.menus().article("mnuremplace")->trigger();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(nomsSurDisque(b.photos()), apres);
    QVERIFY(!w.etat.RemplacementLiaison && !w.etat.VerifierLiaison);
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
