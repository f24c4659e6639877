#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "navigationdossiers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QToolButton>
#include <QTreeView>

namespace {

struct Fenetre {
    Banc b;
    EtatProgramme etat;
    std::unique_ptr<FrmPhoto> f;
    QString A, B, C, D;

    QString dossier(const char* nom) {
        const QString chemin = b.racine() + "/" + nom;
        QDir().mkpath(chemin);
        return chemin;
    }

    Fenetre() : A(dossier("A")), B(dossier("B")), C(dossier("C")), D(dossier("D")) {
        Banc::creerImage(A + "/a.jpg");
        ParametresPhoto p;
        p.RepertoireDemarrage = A;
        Banc::creerFichier(b.programme() + "/Photo.ini", p.versLigne());
        f = std::make_unique<FrmPhoto>(b.plateforme, etat);
        f->Form_Activate();
    }
};

const QString Effacee = QStringLiteral("Liste des dossiers consultés effacée !");

} // namespace

class TstNavigation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void historique();
    void enregistrementSelectif();
    void dossierDisparu();
    void lecteurNonPret();
    void memeDossier();
    void suppressionALaCorbeille();
    void suppressionRefusee();
    void suppressionAbandonnee();
};

void TstNavigation::historique() {
    Fenetre w;
    FrmPhoto& f = *w.f;
    f.DefinirCheminDossier(w.B);
    f.DefinirCheminDossier(w.C);
    QCOMPARE(w.etat.historique.Historique(), QStringList({w.A, w.B, w.C}));
    QVERIFY(f.axBRetour->isEnabled());
    QVERIFY(!f.axBSuivant->isEnabled());

    f.axBRetour->click();
    QCOMPARE(f.CheminDossier(), w.B);
    f.axBRetour->click();
    QCOMPARE(f.CheminDossier(), w.A);
    QCOMPARE(w.etat.RepertoireOuvert, w.A + "/");
    QVERIFY(!f.axBRetour->isEnabled());
    QVERIFY(f.axBSuivant->isEnabled());
    f.axBSuivant->click();
    QCOMPARE(f.CheminDossier(), w.B);
    QVERIFY(f.axBRetour->isEnabled());
    QVERIFY(f.axBSuivant->isEnabled());
    // Going back and forth records nothing.
    QCOMPARE(w.etat.historique.Historique(), QStringList({w.A, w.B, w.C}));
    QCOMPARE(w.etat.DossiersOuverts, QStringList({w.A, w.B, w.C}));

    f.DefinirCheminDossier(w.D);
    QCOMPARE(w.etat.historique.Historique(), QStringList({w.A, w.B, w.C, w.D}));
    QCOMPARE(w.etat.historique.PosHistorique(), 3);
    QVERIFY(!f.axBSuivant->isEnabled());
    // Opening a folder a second time keeps it twice in the folders opened.
    f.DefinirCheminDossier(w.A);
    QCOMPARE(w.etat.DossiersOuverts, QStringList({w.A, w.B, w.C, w.D, w.A}));
    VERIFIER_DIALOGUES(w.b.dialogues);
}

void TstNavigation::enregistrementSelectif() {
    Fenetre w;
    FrmPhoto& f = *w.f;
    w.b.dialogues.attendreMessage(Effacee);
    f.ChKDos->click();
    QVERIFY(f.axBEnrDos->isVisibleTo(&f));
    QCOMPARE(w.etat.historique.Historique(), QStringList({w.A}));
    f.DefinirCheminDossier(w.B);
    f.DefinirCheminDossier(w.C);
    QCOMPARE(w.etat.historique.Historique(), QStringList({w.A}));
    QVERIFY(!f.axBRetour->isEnabled());
    f.axBEnrDos->click();
    QCOMPARE(w.etat.historique.Historique(), QStringList({w.A, w.C}));
    QVERIFY(f.axBRetour->isEnabled());
    f.ChKDos->click();
    QVERIFY(!f.axBEnrDos->isVisibleTo(&f));
    f.DefinirCheminDossier(w.D);
    QCOMPARE(w.etat.historique.Historique(), QStringList({w.A, w.C, w.D}));

    w.b.dialogues.attendreMessage(Effacee);
    f.axBIni->click();
    QCOMPARE(w.etat.historique.Historique(), QStringList({w.D}));
    QVERIFY(!f.axBRetour->isEnabled());
    QVERIFY(!f.axBSuivant->isEnabled());
    VERIFIER_DIALOGUES(w.b.dialogues);
    QCOMPARE(w.b.dialogues.vues().last().icone, Dialogues::Icone::Exclamation);
}

void TstNavigation::dossierDisparu() {
    Fenetre w;
    FrmPhoto& f = *w.f;
    f.DefinirCheminDossier(w.B);
    QDir(w.A).removeRecursively();
    w.b.dialogues.attendreMessage("Ce dossier n'existe plus :\n" + w.A);
    f.axBRetour->click();
    VERIFIER_DIALOGUES(w.b.dialogues);
    QCOMPARE(f.CheminDossier(), w.B);
    QVERIFY(w.etat.EnregistrerDossier);
    // The window goes on working.
    f.DefinirCheminDossier(w.C);
    QCOMPARE(w.etat.RepertoireOuvert, w.C + "/");
}

void TstNavigation::lecteurNonPret() {
    Fenetre w;
    FrmPhoto& f = *w.f;
    const QString avant = f.DrvDrive->currentText();
    w.b.dialogues.attendreMessage(" Lecteur non prêt !");
    f.DrvDrive->addItem(w.b.racine() + "/lecteur-absent");
    f.DrvDrive->setCurrentIndex(f.DrvDrive->count() - 1);
    VERIFIER_DIALOGUES(w.b.dialogues);
    QCOMPARE(w.b.dialogues.vues().last().titre, QString("Erreur"));
    QCOMPARE(f.DrvDrive->currentText(), avant);
    QCOMPARE(f.CheminDossier(), w.A);
}

void TstNavigation::memeDossier() {
    Fenetre w;
    FrmPhoto& f = *w.f;
    f.LstFF->setCurrentRow(-1);
    QVERIFY(f.DefinirCheminDossier(w.A + "/"));
    QCOMPARE(w.etat.DossiersOuverts, QStringList({w.A}));
    QCOMPARE(f.LstFF->currentRow(), -1);
}

void TstNavigation::suppressionALaCorbeille() {
    Fenetre w;
    FrmPhoto& f = *w.f;
    const QString cible = w.b.racine() + "/À jeter";
    Banc::creerFichier(cible + "/x.jpg", "photo x");
    Banc::creerFichier(cible + "/lecture seule.jpg", "photo y");
    QFile::setPermissions(cible + "/lecture seule.jpg", QFileDevice::ReadOwner);
    f.DefinirCheminDossier(cible);
    w.b.dialogues.attendreMessage("Supprimer " + cible, Dialogues::Reponse::Oui);
    w.b.dialogues.attendreMessage(
        "Cette action va réinitialiser la liste des dossiers ouverts et lus.");
    w.b.dialogues.attendreMessage("Vraiment sûr ?", Dialogues::Reponse::Oui);
    w.b.dialogues.attendreMessage(Effacee);
    QTest::mouseClick(f.DirDirectory->viewport(), Qt::RightButton);
    VERIFIER_DIALOGUES(w.b.dialogues);
    QCOMPARE(w.b.dialogues.vues()[0].boutonDefaut, 1);
    QVERIFY(!QFileInfo::exists(cible));
    const QString corbeille = qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/";
    QCOMPARE(Banc::lire(corbeille + "x.jpg"), QByteArray("photo x"));
    QCOMPARE(Banc::lire(corbeille + "lecture seule.jpg"), QByteArray("photo y"));
    QCOMPARE(f.CheminDossier(), NavigationDossiers::LecteurDe(w.b.racine()));
    QCOMPARE(w.etat.historique.Historique(), QStringList({f.CheminDossier()}));
}

void TstNavigation::suppressionRefusee() {
    Fenetre w;
    FrmPhoto& f = *w.f;
    const QString cible = w.b.racine() + "/avec sous-dossier";
    Banc::creerFichier(cible + "/x.jpg");
    QDir().mkpath(cible + "/sous");
    Banc::creerFichier(cible + "/sous/garde.jpg", "garde");
    const QStringList avant = Banc::empreinte(cible);
    f.DefinirCheminDossier(cible);
    w.b.dialogues.attendreMessage("Supprimer " + cible, Dialogues::Reponse::Oui);
    w.b.dialogues.attendreMessage({});
    w.b.dialogues.attendreMessage("Vraiment sûr ?", Dialogues::Reponse::Oui);
    w.b.dialogues.attendreMessage(
        "Ce répertoire contient des sous-répertoire (qu'il faut effacer auparavant), ou des "
        "fichiers cachés.\nSuppression impossible !");
    QTest::mouseClick(f.DirDirectory->viewport(), Qt::RightButton);
    VERIFIER_DIALOGUES(w.b.dialogues);
    // Refused before anything moves: the photos are still in the folder, not in the trash.
    QCOMPARE(Banc::empreinte(cible), avant);
    QCOMPARE(Banc::lire(cible + "/sous/garde.jpg"), QByteArray("garde"));
    QCOMPARE(f.CheminDossier(), cible);
    QCOMPARE(f.LstFF->count(), 1);
}

void TstNavigation::suppressionAbandonnee() {
    Fenetre w;
    FrmPhoto& f = *w.f;
    const QStringList avant = Banc::empreinte(w.A);
    w.b.dialogues.attendreMessage("Supprimer " + w.A, Dialogues::Reponse::Non);
    QTest::mouseClick(f.DirDirectory->viewport(), Qt::RightButton);
    w.b.dialogues.attendreMessage("Supprimer " + w.A, Dialogues::Reponse::Oui);
    w.b.dialogues.attendreMessage({});
    w.b.dialogues.attendreMessage("Vraiment sûr ?", Dialogues::Reponse::Non);
    QTest::mouseClick(f.DirDirectory->viewport(), Qt::RightButton);
    VERIFIER_DIALOGUES(w.b.dialogues);
    QCOMPARE(Banc::empreinte(w.A), avant);
}

VIMBRAL_TEST_MAIN(TstNavigation)
#include "tst_navigation.moc"
