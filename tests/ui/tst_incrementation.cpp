#include "banc.h"
#include "etatprogramme.h"
#include "frmavertissement.h"
#include "frmchoixincrementation.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "incrementation.h"
#include "outilsfenetre.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

using Reglages = std::function<void(FrmChoixIncrementation&)>;

const QString Avertissement1 = QStringLiteral(
    "SELECTIONNEZ les fichiers à renommer, APRES avoir choisi les OPTIONS, puis cliquez sur le "
    "bouton 'ACTION'.\n\nLa liste des fichiers sélectionnés sera incrémentée des chiffres 1, 2, "
    "3, etc..., avec le titre éventuellement choisi, sans limitation de nombre...\n\nou "
    "seulement renommée (si elle a déjà été incrémentée).");
const QString Avertissement2 = QStringLiteral(
    "La position du numéro d'incrémentation, à GAUCHE du texte, est désormais la position par "
    "défaut.\n\nCe numéro pourra être placé à droite à partir du menu 'Options'.\n\nLa CHAINE de "
    "LIAISON est la chaine de caractères (espaces compris) qui relie le numéro d'incrémentation "
    "au nom du fichier.\n\n Cette chaine ne doit JAMAIS être présente dans le nom du fichier !");
const QString InviteTitre = QStringLiteral(
    "o  Donnez un nom à votre liste de photos.\n\no  Ce nom NE DOIT PAS contenir la chaine de "
    "liaison.\n\no  Les caractères suivants ne doivent pas être utilisés :\n        \\   /   :   "
    "*   ?   \"   <   >");
const QString Conflit = QStringLiteral(
    "Il y a probablement un conflit entre des noms de fichiers (identiques).\nL'opération "
    "d'incrémentation, ou de renommage, doit s'arrêter.");
const QString DejaIncrementee = QStringLiteral(
    "Cette liste a peut être déjà été incrémentée.\nVoulez-vous supprimer le numéro de la "
    "première incrémentation ?");
const QString PasEntierement =
    QStringLiteral("\nCette liste n'est, à priori, pas entièrement incrémentée !");
const QString TresImportant = QStringLiteral(
    "TRES IMPORTANT : si cette liste n'est pas déjà entièrement incrémentée \nveuillez annuler "
    "l'opération, sous peine de résultats fantaisistes.\n\nLa liste est-elle déjà complètement "
    "incrémentée :");
const QString DepartIncorrect = QStringLiteral(
    "Valeur de départ incorrecte ou nulle !\nLa valeur minimale est '1', ou '0...01'");

QString compte(int n) {
    return QStringLiteral("Les %1 fichier(s) sélectionné(s) de la liste ont été incrémentés "
                          "et/ou renommés !")
        .arg(n);
}

// The main window opened on a photo folder holding the given files (each its own content).
struct Session {
    Banc b;
    FichiersRefus refus;
    std::unique_ptr<Plateforme> plateforme;
    EtatProgramme etat;
    std::unique_ptr<FrmPhoto> f;
    // What the report window showed when it reached its end state.
    QStringList lignes;
    QList<bool> gras;
    bool finRapportAuDebut = true;
    bool appuyer = true;
    QWidget* focusApresBouton = nullptr;

    explicit Session(const QStringList& fichiers, bool refuser = false) {
        for (const QString& nom : fichiers)
            Banc::creerFichier(b.photos() + QLatin1Char('/') + nom, nom.toUtf8());
        ParametresPhoto p;
        p.RepertoireDemarrage = b.photos();
        Banc::creerFichier(b.programme() + "/Photo.ini", p.versLigne());
        refus.permis = refuser ? 0 : 1 << 30;
        plateforme = std::make_unique<Plateforme>(
            Plateforme{refus, b.dialogues, b.horloge, b.shell, b.plateforme.environnement});
        f = std::make_unique<FrmPhoto>(*plateforme, etat);
        f->Form_Activate();
        FrmRenom* r = rapport();
        QObject::connect(r, &FrmRenom::etatFinalAtteint, r, [this, r] {
            lignes.clear();
            gras.clear();
            for (int i = 0; i < r->LV->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* ligne = r->LV->topLevelItem(i);
                lignes.append(ligne->text(0) + QStringLiteral(" | ") + ligne->text(1));
                gras.append(ligne->font(1).bold());
            }
            finRapportAuDebut = etat.FinRapport;
            if (appuyer) {
                QTest::mouseClick(r->CmdTer, Qt::LeftButton);
                focusApresBouton = f->focusWidget();
            }
        });
    }

    FrmRenom* rapport() { return f->incrementation().rapport(); }

    QStringList entrees() const {
        QStringList e;
        for (int i = 0; i < f->LstFF->count(); ++i)
            e.append(f->LstFF->item(i)->text());
        return e;
    }

    // CmdInc: the warning (when it is to be shown) is closed by OK, the options are set by
    // reglages and confirmed.
    void entrerMode(const Reglages& reglages, bool avertissement = true) {
        if (avertissement)
            b.dialogues.attendreFenetre(QStringLiteral("FrmAvertissement"), [](QDialog& d) {
                static_cast<FrmAvertissement&>(d).CmdOK->click();
                return d.result();
            });
        b.dialogues.attendreFenetre(QStringLiteral("FrmChoixIncrémentation"),
                                    [reglages](QDialog& d) {
                                        auto& c = static_cast<FrmChoixIncrementation&>(d);
                                        reglages(c);
                                        c.CmdOK->click();
                                        return d.result();
                                    });
        f->CmdInc->click();
    }

    void selectionner(const QList<int>& rangs) {
        for (int i : rangs)
            f->LstFF->item(i)->setSelected(true);
    }

    bool modeNormal() const {
        return !f->CmdInc->isHidden() && f->CmdA->isHidden() && f->CmdD->isHidden();
    }
};

void titre(FrmChoixIncrementation& c) {
    QVERIFY(c.ChkTitre->isChecked());
}

void sansTitre(FrmChoixIncrementation& c) {
    c.ChkTitre->click();
    QVERIFY(!c.ChkTitre->isChecked());
}

void tousSansTitre(FrmChoixIncrementation& c) {
    sansTitre(c);
    c.ChkSel->click();
}

} // namespace

class TstIncrementation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numeroterAvecTitre();
    void deuxiemeIncrementationEtRetraitDuNumero();
    void renommerUneListeIncrementee();
    void fenetreDOptions();
    void departsRefuses_data();
    void departsRefuses();
    void avertissement();
    void rienDeSelectionneEtAnnuler();
    void titresRefuses_data();
    void titresRefuses();
    void conflits_data();
    void conflits();
    void rapportLaisseOuvertPuisNouvellePasse();
};

void TstIncrementation::numeroterAvecTitre() {
    QStringList fichiers;
    for (int i = 1; i <= 12; ++i)
        fichiers.append(QStringLiteral("IMG_%1.JPG").arg(i));
    Session s(fichiers);

    s.b.dialogues.attendreFenetre(QStringLiteral("FrmAvertissement"), [](QDialog& d) {
        auto& a = static_cast<FrmAvertissement&>(d);
        if (a.Label1->text() != Avertissement1 || a.Label2->text() != Avertissement2 ||
            a.ChkAv->isChecked())
            return int(QDialog::Rejected);
        a.CmdOK->click();
        return a.result();
    });
    s.b.dialogues.attendreFenetre(QStringLiteral("FrmChoixIncrémentation"), [](QDialog& d) {
        auto& c = static_cast<FrmChoixIncrementation&>(d);
        c.ChkSel->click();
        c.CmdOK->click();
        return c.result();
    });
    s.f->CmdInc->click();
    QVERIFY(s.f->CmdInc->isHidden());
    QVERIFY(!s.f->CmdD->isHidden());
    QCOMPARE(s.f->LstFF->selectedItems().size(), 12);

    s.b.dialogues.attendreSaisie(InviteTitre, QStringLiteral("Vacances"));
    s.b.dialogues.attendreMessage(compte(12));
    s.f->CmdD->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    const auto& vues = s.b.dialogues.vues();
    QCOMPARE(vues[2].titre, QString("Titre de votre liste"));
    QCOMPARE(vues[3].icone, Dialogues::Icone::Information);

    QCOMPARE(nomsSurDisque(s.b.photos()),
             QStringList({"01 _ Vacances.jpg", "02 _ Vacances.jpg", "03 _ Vacances.jpg",
                          "04 _ Vacances.jpg", "05 _ Vacances.jpg", "06 _ Vacances.jpg",
                          "07 _ Vacances.jpg", "08 _ Vacances.jpg", "09 _ Vacances.jpg",
                          "10 _ Vacances.jpg", "11 _ Vacances.jpg", "12 _ Vacances.jpg"}));
    // Display order, not the digits of the old names.
    QCOMPARE(Banc::lire(s.b.photos() + "/02 _ Vacances.jpg"), QByteArray("IMG_10.JPG"));
    QCOMPARE(Banc::lire(s.b.photos() + "/05 _ Vacances.jpg"), QByteArray("IMG_2.JPG"));
    QCOMPARE(s.b.horloge.pauses(), 12 * 150);

    FrmRenom* r = s.rapport();
    QCOMPARE(r->LblRep->text(), s.b.photos() + "/");
    QCOMPARE(r->LV->headerItem()->text(0), QString("Ancien Nom"));
    QCOMPARE(r->LV->headerItem()->text(1), QString("Nouveau Nom"));
    QCOMPARE(s.lignes.size(), 12);
    QCOMPARE(s.lignes[0], QString(".../  IMG_1.JPG | .../  01 _ Vacances.jpg"));
    QCOMPARE(s.lignes[11], QString(".../  IMG_9.JPG | .../  12 _ Vacances.jpg"));
    QVERIFY(!s.gras.contains(false));
    QCOMPARE(r->palette().color(QPalette::Window), QColor(98, 80, 23));
    QCOMPARE(r->CmdTer->text(), QString("Opération terminée"));
    QCOMPARE(s.focusApresBouton, s.f->CmdRefresh);

    QVERIFY(s.modeNormal());
    QVERIFY(!s.etat.FinRapport);
    QCOMPARE(s.entrees(), nomsSurDisque(s.b.photos()));
}

void TstIncrementation::deuxiemeIncrementationEtRetraitDuNumero() {
    // The marked file is listed first; its mark is dropped.
    Session s({"01 _ a.jpg", "02 _ b.jpg", "c.JPG   [M]"});
    const QStringList avant = contenus(s.b.photos());
    s.entrerMode(tousSansTitre);
    s.b.dialogues.attendreMessage(DejaIncrementee, Dialogues::Reponse::Oui);
    s.b.dialogues.attendreMessage(compte(3));
    s.f->CmdD->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    // The second pass's report lists the names the first one gave.
    QCOMPARE(s.lignes, QStringList({".../  1 _ c.jpg | .../  1 _ c.jpg",
                                    ".../  2 _ 01 _ a.jpg | .../  2 _ a.jpg",
                                    ".../  3 _ 02 _ b.jpg | .../  3 _ b.jpg"}));
    QCOMPARE(nomsSurDisque(s.b.photos()), QStringList({"1 _ c.jpg", "2 _ a.jpg", "3 _ b.jpg"}));
    QCOMPARE(contenus(s.b.photos()), avant);
    QCOMPARE(s.b.horloge.pauses(), 6 * 150);

    // Answering No keeps the double numbers.
    Session n({"01 _ a.jpg", "02 _ b.jpg"});
    n.entrerMode(tousSansTitre);
    n.b.dialogues.attendreMessage(DejaIncrementee, Dialogues::Reponse::Non);
    n.b.dialogues.attendreMessage(compte(2));
    n.f->CmdD->click();
    VERIFIER_DIALOGUES(n.b.dialogues);
    QCOMPARE(nomsSurDisque(n.b.photos()), QStringList({"1 _ 01 _ a.jpg", "2 _ 02 _ b.jpg"}));
}

void TstIncrementation::renommerUneListeIncrementee() {
    Session s({"03 _ old.jpg", "04 _ old.JPG   [M]", "x.jpg"});
    const QStringList avant = Banc::empreinte(s.b.photos());
    const auto renommer = [](FrmChoixIncrementation& c) {
        c.ChkTitre->click();
        QVERIFY(!c.ChkTitre->isChecked());
        c.ChkRenom->click();
        QVERIFY(c.ChkTitre->isChecked());
        c.ChkTitre->click();
        QVERIFY(c.ChkTitre->isChecked());
        QVERIFY(!c.Opt1->isEnabled());
        QVERIFY(!c.Opt2->isEnabled());
        QVERIFY(!c.TxtChiffre->isEnabled());
    };

    // A selection with a name that is not numbered: the warning, then No changes nothing.
    s.entrerMode(renommer);
    s.f->LstFF->selectAll();
    s.b.dialogues.attendreSaisie(InviteTitre, QStringLiteral("Mer"));
    s.b.dialogues.attendreMessage(PasEntierement);
    s.b.dialogues.attendreMessage(TresImportant, Dialogues::Reponse::Non);
    s.f->CmdD->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(Banc::empreinte(s.b.photos()), avant);
    QVERIFY(s.modeNormal());

    s.b.dialogues.effacer();
    s.entrerMode(renommer, true);
    s.selectionner({0, 1});
    s.b.dialogues.attendreSaisie(InviteTitre, QStringLiteral("Mer"));
    s.b.dialogues.attendreMessage(TresImportant, Dialogues::Reponse::Oui);
    s.f->CmdD->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(nomsSurDisque(s.b.photos()), QStringList({"03 _ Mer.jpg", "04 _ Mer.jpg", "x.jpg"}));
    QCOMPARE(s.lignes, QStringList({".../  04 _ old.JPG   [M] | .../  04 _ Mer.jpg",
                                    ".../  03 _ old.jpg | .../  03 _ Mer.jpg"}));
    QVERIFY(s.modeNormal());
}

void TstIncrementation::fenetreDOptions() {
    Session s({"a.jpg"});
    s.etat.options.ChaineLiaison = QStringLiteral(" - ");
    s.etat.photo.AfficherAvertissement = false;
    s.b.dialogues.attendreFenetre("FrmChoixIncrémentation", [&s](QDialog& d) {
        auto& c = static_cast<FrmChoixIncrementation&>(d);
        if (c.TxtL->text() != " - " || c.TxtChiffre->text() != "1" || !c.Opt1->isChecked() ||
            c.Lbl1->text() != "Numéro - Titre" || c.Lbl2->text() != "Titre - Numéro")
            return 99;
        c.TxtL->setText("++");
        if (c.Lbl1->text() != "Numéro++Titre" || c.Lbl2->text() != "Titre++Numéro")
            return 98;
        s.b.dialogues.attendreMessage("Chaine vide interdite !\nCaractère \" _ \" par défaut.");
        c.TxtL->clear();
        if (c.TxtL->text() != " _ " || c.TxtL->selectedText() != " _ " ||
            c.Lbl1->text() != "Numéro _ Titre")
            return 97;
        s.b.dialogues.attendreMessage("Le chiffre de début ne doit pas commencer par zéro.");
        c.TxtChiffre->setText(" 0 ");
        QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(c.TxtChiffre, &sortie);
        if (c.TxtChiffre->text() != "1")
            return 96;
        s.b.dialogues.attendreMessage("Les fichiers d'aide ne sont plus lus  ! ");
        c.CmdI->click();
        c.CmdAnnule->click();
        return c.result();
    });
    s.f->CmdInc->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(s.b.dialogues.vues()[1].icone, Dialogues::Icone::Exclamation);
    QCOMPARE(s.b.dialogues.vues()[2].icone, Dialogues::Icone::Information);
    QCOMPARE(s.b.dialogues.vues()[3].icone, Dialogues::Icone::Critique);
    // Cancel: nothing saved, the normal buttons back, the list refreshed.
    QCOMPARE(s.etat.options.ChaineLiaison, QString(" - "));
    QVERIFY(!QFile::exists(s.b.programme() + "/Options.cfg"));
    QCOMPARE(s.f->incrementation().parametres().NumeroDepart, qint16(0));
    QVERIFY(s.modeNormal());
    QCOMPARE(s.f->LstFF->currentRow(), 0);
}

void TstIncrementation::departsRefuses_data() {
    QTest::addColumn<QString>("depart");
    QTest::newRow("0") << "0";
    QTest::newRow("32768") << "32768";
}

void TstIncrementation::departsRefuses() {
    QFETCH(QString, depart);
    Session s({"a.jpg", "b.jpg"});
    s.etat.photo.AfficherAvertissement = false;
    s.b.dialogues.attendreFenetre("FrmChoixIncrémentation", [&](QDialog& d) {
        auto& c = static_cast<FrmChoixIncrementation&>(d);
        c.TxtChiffre->setText(depart);
        s.b.dialogues.attendreMessage(DepartIncorrect);
        c.CmdOK->click();
        if (c.result() != 0 || c.TxtChiffre->text() != "1" || c.TxtChiffre->selectedText() != "1")
            return 99;
        // Accepted once corrected, the start text kept as typed.
        c.TxtChiffre->setText("0008");
        c.CmdOK->click();
        return c.result();
    });
    s.f->CmdInc->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    const ParametresIncrementation& p = s.f->incrementation().parametres();
    QCOMPARE(p.NumeroDepart, qint16(8));
    QCOMPARE(p.ChiffreDepart, QString("0008"));
    QVERIFY(!s.modeNormal());
}

void TstIncrementation::avertissement() {
    Session s({"a.jpg"});
    bool signale = true;
    QObject::connect(&s.f->incrementation(), &Incrementation::afficherAvertissementModifie,
                     [&](bool afficher) { signale = afficher; });
    s.b.dialogues.attendreFenetre("FrmAvertissement", [](QDialog& d) {
        auto& a = static_cast<FrmAvertissement&>(d);
        a.ChkAv->click();
        a.CmdOK->click();
        return a.result();
    });
    s.b.dialogues.attendreFenetre("FrmChoixIncrémentation", [](QDialog&) { return 0; });
    s.f->CmdInc->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QVERIFY(!s.etat.photo.AfficherAvertissement);
    QVERIFY(!signale);
    QVERIFY(Banc::lire(s.b.programme() + "/Photo.ini").contains("#FALSE#"));

    // No warning the next time; the menu can still show it.
    s.entrerMode(titre, false);
    VERIFIER_DIALOGUES(s.b.dialogues);
    bool coche = false;
    s.b.dialogues.attendreFenetre("FrmAvertissement", [&coche](QDialog& d) {
        coche = static_cast<FrmAvertissement&>(d).ChkAv->isChecked();
        return 1;
    });
    s.f->incrementation().MontrerAvertissement();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QVERIFY(coche);
}

void TstIncrementation::rienDeSelectionneEtAnnuler() {
    Session s({"a.jpg", "b.jpg"});
    const QStringList avant = Banc::empreinte(s.b.photos());
    s.entrerMode(titre);
    s.b.dialogues.attendreMessage(QStringLiteral("Vous devez au préalable sélectionner les "
                                                 "fichiers à incrémenter et renommer !"));
    s.f->CmdD->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QVERIFY(!s.f->CmdD->isHidden());
    QVERIFY(s.etat.IgnorerClicVide);

    s.f->CmdA->click();
    QVERIFY(s.modeNormal());
    QVERIFY(!s.etat.IgnorerClicVide);
    QCOMPARE(s.f->LstFF->currentRow(), 0);
    QCOMPARE(Banc::empreinte(s.b.photos()), avant);
}

void TstIncrementation::titresRefuses_data() {
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("message");
    QTest::newRow("caractère") << "Mer*"
                               << "Le titre comporte un caractère interdit !";
    QTest::newRow("liaison") << "Mer _ Plage"
                             << "Le titre comporte la chaine de liaison !";
    QTest::newRow("vide ou annulé") << ""
                                    << "Aucun titre n'a été donné à la liste !";
}

void TstIncrementation::titresRefuses() {
    QFETCH(QString, titre);
    QFETCH(QString, message);
    Session s({"a.jpg", "b.jpg"});
    const QStringList avant = Banc::empreinte(s.b.photos());
    s.entrerMode(::titre);
    s.f->LstFF->selectAll();
    s.b.dialogues.attendreSaisie(InviteTitre, titre);
    s.b.dialogues.attendreMessage(message);
    s.f->CmdD->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(Banc::empreinte(s.b.photos()), avant);
    QVERIFY(s.modeNormal());
}

void TstIncrementation::conflits_data() {
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QString>("liaison");
    QTest::addColumn<QString>("depart");
    QTest::addColumn<bool>("refuser");
    QTest::addColumn<QString>("disparu");
    QTest::addColumn<QStringList>("apres");
    QTest::addColumn<int>("lignesFaites");
    // "1 _ T.jpg" is listed first and left unselected.
    QTest::newRow("cible existante dès le premier")
        << QStringList{"1 _ T.jpg", "a.jpg", "b.jpg"} << " _ "
        << "1" << false << QString() << QStringList{"1 _ T.jpg", "a.jpg", "b.jpg"} << 0;
    QTest::newRow("cible existante au deuxième")
        << QStringList{"2 _ T.jpg", "a.jpg", "b.jpg"} << " _ "
        << "1" << false << QString() << QStringList{"1 _ T.jpg", "2 _ T.jpg", "b.jpg"} << 1;
    QTest::newRow("liaison avec deux-points")
        << QStringList{"a.jpg", "b.jpg"} << ":"
        << "1" << false << QString() << QStringList{"a.jpg", "b.jpg"} << 0;
    // A "/" would turn a new name into a path into a sub-folder.
    QTest::newRow("liaison avec barre oblique")
        << QStringList{"a.jpg", "b.jpg"} << "/"
        << "1" << false << QString() << QStringList{"a.jpg", "b.jpg"} << 0;
    QTest::newRow("renommage refusé (lecture seule)")
        << QStringList{"a.jpg", "b.jpg"} << " _ "
        << "1" << true << QString() << QStringList{"a.jpg", "b.jpg"} << 0;
    QTest::newRow("numéro au-delà de 32767")
        << QStringList{"a.jpg", "b.jpg"} << " _ "
        << "32767" << false << QString() << QStringList{"32767 _ T.jpg", "b.jpg"} << 1;
    // Every file of the batch is checked before the first rename: none is renamed.
    QTest::newRow("fichier disparu après la sélection")
        << QStringList{"a.jpg", "b.jpg"} << " _ "
        << "1" << false << "b.jpg" << QStringList{"a.jpg"} << 0;
}

void TstIncrementation::conflits() {
    QFETCH(QStringList, fichiers);
    QFETCH(QString, liaison);
    QFETCH(QString, depart);
    QFETCH(bool, refuser);
    QFETCH(QString, disparu);
    QFETCH(QStringList, apres);
    QFETCH(int, lignesFaites);
    Session s(fichiers, refuser);
    s.appuyer = false;
    // Removed behind the program's back, still listed.
    if (!disparu.isEmpty())
        QFile::remove(s.b.photos() + "/" + disparu);
    const QStringList avant = contenus(s.b.photos());
    s.etat.options.ChaineLiaison = liaison;
    s.entrerMode([depart](FrmChoixIncrementation& c) { c.TxtChiffre->setText(depart); });
    const int premier = fichiers.size() == 3 ? 1 : 0;
    s.selectionner({premier, premier + 1});
    s.b.dialogues.attendreSaisie(InviteTitre, QStringLiteral("T"));
    s.b.dialogues.attendreMessage(Conflit);
    s.f->CmdD->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(nomsSurDisque(s.b.photos()), apres);
    QCOMPARE(contenus(s.b.photos()), avant);
    QVERIFY(s.modeNormal());
    QCOMPARE(s.entrees(), apres);

    // The report stays open with the rows done, its button there to close it.
    FrmRenom* r = s.rapport();
    const bool rapportOuvert = liaison == " _ ";
    QCOMPARE(r->isVisible(), rapportOuvert);
    if (rapportOuvert) {
        QVERIFY(r->EnEtatFinal());
        QVERIFY(r->CmdTer->isVisible());
        int faites = 0;
        for (int i = 0; i < r->LV->topLevelItemCount(); ++i)
            faites += r->LV->topLevelItem(i)->text(1).isEmpty() ? 0 : 1;
        QCOMPARE(faites, lignesFaites);
        QTest::mouseClick(r->CmdTer, Qt::LeftButton);
        QVERIFY(!r->isVisible());
        QVERIFY(s.etat.FinRapport);
    }
}

void TstIncrementation::rapportLaisseOuvertPuisNouvellePasse() {
    Session s({"1 _ T.jpg", "a.jpg"});
    s.appuyer = false;
    s.entrerMode(titre);
    s.selectionner({1});
    s.b.dialogues.attendreSaisie(InviteTitre, QStringLiteral("T"));
    s.b.dialogues.attendreMessage(Conflit);
    s.f->CmdD->click();
    QTest::mouseClick(s.rapport()->CmdTer, Qt::LeftButton);
    QVERIFY(s.etat.FinRapport);

    // The press left over from the failed pass does not end the next pass's wait.
    s.appuyer = true;
    s.entrerMode(titre);
    s.selectionner({1});
    s.b.dialogues.attendreSaisie(InviteTitre, QStringLiteral("U"));
    s.b.dialogues.attendreMessage(compte(1));
    s.f->CmdD->click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QVERIFY(!s.finRapportAuDebut);
    QCOMPARE(nomsSurDisque(s.b.photos()), QStringList({"1 _ T.jpg", "1 _ U.jpg"}));
}

VIMBRAL_TEST_MAIN(TstIncrementation)
#include "tst_incrementation.moc"
