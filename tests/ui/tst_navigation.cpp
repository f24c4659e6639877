// The folders: the history and its buttons, a folder gone, and the deletion of the open
// folder.
#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "navigationdossiers.h"
#include "outilsfenetre.h"

#include <QCheckBox>
#include <QDir>
#include <QToolButton>
#include <QTreeView>

namespace {

// The window on the first of four folders, which holds a photo.
struct Fenetre {
    Banc b;
    QString A = b.photos(), B = dossier("B"), C = dossier("C"), D = dossier("D");
    FenetreOuverte w{b, {"a.jpg"}};

    QString dossier(const char* nom) {
        QDir().mkpath(b.racine() + "/" + nom);
        return b.racine() + "/" + nom;
    }
    // The history, its position and the two buttons: "photos B C @1 <>" ("<" back, ">" forward).
    QString historique() {
        QStringList noms;
        for (const QString& d : w.etat.historique.Historique())
            noms.append(QFileInfo(d).fileName());
        return noms.join(' ') + QStringLiteral(" @%1 ").arg(w.etat.historique.PosHistorique()) +
               (w.f.axBRetour->isEnabled() ? "<" : "") + (w.f.axBSuivant->isEnabled() ? ">" : "");
    }
};

const QString Effacee = QStringLiteral("Liste des dossiers consultés effacée !");

} // namespace

class TstNavigation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void historique();
    void suppression_data();
    void suppression();
};

void TstNavigation::historique() {
    Fenetre n;
    FrmPhoto& f = n.w.f;
    f.DefinirCheminDossier(n.B);
    f.DefinirCheminDossier(n.C);
    QTest::mouseClick(f.axBRetour, Qt::LeftButton);
    QTest::mouseClick(f.axBRetour, Qt::LeftButton);
    QCOMPARE(n.historique(), QString("photos B C @0 >"));
    QTest::mouseClick(f.axBSuivant, Qt::LeftButton);
    // Going back and forth records nothing.
    QCOMPARE(n.historique(), QString("photos B C @1 <>"));
    f.DefinirCheminDossier(n.D);
    QCOMPARE(n.historique(), QString("photos B C D @3 <"));
    f.DefinirCheminDossier(n.A);
    // A folder gone: going back to it says so and stays.
    QDir(n.D).removeRecursively();
    n.b.dialogues.attendreMessage("Ce dossier n'existe plus :\n" + n.D);
    QTest::mouseClick(f.axBRetour, Qt::LeftButton);
    VERIFIER_DIALOGUES(n.b.dialogues);
    QCOMPARE(f.CheminDossier(), n.A);
    QVERIFY(n.w.etat.EnregistrerDossier);

    // Recording by hand: the box starts the history again, the button records the folder shown.
    f.DefinirCheminDossier(n.C);
    n.b.dialogues.attendreMessage(Effacee);
    QTest::mouseClick(f.ChKDos, Qt::LeftButton);
    f.DefinirCheminDossier(n.B);
    f.DefinirCheminDossier(n.A);
    QTest::mouseClick(f.axBEnrDos, Qt::LeftButton);
    QCOMPARE(n.historique(), QString("C photos @1 <"));
    VERIFIER_DIALOGUES(n.b.dialogues);
}

void TstNavigation::suppression_data() {
    // The open folder's deletion: its boxes and what stays of it.
    QTest::addColumn<QStringList>("boites");
    const QString sous = "Ce répertoire contient des sous-répertoire (qu'il faut effacer "
                         "auparavant), ou des fichiers cachés.\nSuppression impossible !";
    QTest::newRow("à la corbeille") << QStringList{
        "oui:Supprimer %1", "Cette action va réinitialiser la liste des dossiers ouverts et lus.",
        "oui:Vraiment sûr ?", Effacee};
    QTest::newRow("non ensuite") << QStringList{"oui:", "", "non:"};
    // Refused before anything moves: the photos stay in the folder, not in the trash.
    QTest::newRow("avec un sous-dossier") << QStringList{"oui:", "", "oui:", sous};
}

void TstNavigation::suppression() {
    QFETCH(QStringList, boites);
    const bool supprime = boites.last() == Effacee;
    Fenetre n;
    FrmPhoto& f = n.w.f;
    const QString cible = n.b.racine() + "/À jeter";
    Banc::creerFichier(cible + "/x.jpg", "photo x");
    Banc::creerFichier(cible + "/lecture seule.jpg", "photo y");
    QFile::setPermissions(cible + "/lecture seule.jpg", QFileDevice::ReadOwner);
    if (QByteArray(QTest::currentDataTag()) == "avec un sous-dossier")
        Banc::creerFichier(cible + "/sous/garde.jpg", "garde");
    const QStringList avant = Banc::empreinte(cible), contenusAvant = contenus(cible);
    f.DefinirCheminDossier(cible);
    n.b.dialogues.attendreMessages(boites.replaceInStrings("%1", cible));
    QTest::mouseClick(f.DirDirectory->viewport(), Qt::RightButton);
    VERIFIER_DIALOGUES(n.b.dialogues);
    QCOMPARE(n.b.dialogues.vues()[0].boutonDefaut, 1);
    QCOMPARE(QFileInfo::exists(cible), !supprime);
    if (!supprime) {
        QCOMPARE(Banc::empreinte(cible), avant);
        QCOMPARE(f.CheminDossier(), cible);
        return;
    }
    // Read-only files need no change of permissions to go.
    QCOMPARE(perdus(contenusAvant, {corbeille()}), QStringList());
    QCOMPARE(f.CheminDossier(), NavigationDossiers::LecteurDe(n.b.racine()));
    QCOMPARE(n.w.etat.historique.Historique(), QStringList({f.CheminDossier()}));
}

VIMBRAL_TEST_MAIN(TstNavigation)
#include "tst_navigation.moc"
