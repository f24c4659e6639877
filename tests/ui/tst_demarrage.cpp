// The start-up window: the data folder's procedure, its refusals, and the hand-over to the
// main window.
#include "banc.h"
#include "demarrage.h"
#include "frmdepart.h"
#include "frmphoto.h"

#include <QDir>
#include <QFile>

namespace {

const QString Obligatoire =
    QStringLiteral("Ce renseignement est obligatoire ; voulez-vous continuer ?");
const QString PasLeBon = QStringLiteral("Ce répertoire n'est pas le bon ; voulez-vous continuer ?");

} // namespace

class TstDemarrage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void procedure_data();
    void procedure();
    void dossierEnregistre();
};

void TstDemarrage::procedure_data() {
    // What "CheminData.cfg" held (an old lower-case path is asked again), the folder answers in
    // turn ("" for Cancel) and the boxes between them; %1 the test's root, %2 its home. A refusal
    // stops the program with nothing written.
    QTest::addColumn<QStringList>("dossiers");
    QTest::addColumn<QStringList>("boites");
    QTest::addColumn<QByteArray>("contenu");
    auto ligne = [](const char* nom, const QStringList& dossiers, const QStringList& boites,
                    const QByteArray& contenu = "absent") {
        QTest::newRow(nom) << dossiers << boites << contenu;
    };
    ligne("premier démarrage", {"%1/Moi"}, {});
    ligne("annuler puis oui", {"", "%1/Moi"}, {"oui:" + Obligatoire},
          "\"/home/nom/dataphoto\"\r\n");
    ligne(
        "annuler puis non", {""},
        {"non:" + Obligatoire, "Lancement du programme interrompu par défaut de renseignement !"});
    // Outside the test's home, then its shared folder.
    ligne("dossiers refusés", {"%2/../ailleurs", "%2/Public"},
          {"oui:" + PasLeBon, "non:" + PasLeBon,
           "Lancement du programme interrompu par erreur de renseignement !"});
    // A file stands where the folder must go.
    ligne("dossier impossible à créer", {"%1/Nom"},
          {"Le dossier suivant n'a pas pu être créé :\n%1/Nom/DataKorvane\n\nLancement du "
           "programme interrompu !"});
    // The program folder itself: a file in its place ends the program before any question.
    ligne("dossier du programme impossible à créer", {},
          {"Le dossier suivant n'a pas pu être créé :\n%1/programme-fichier\n\nLancement du "
           "programme interrompu !"});
}

void TstDemarrage::procedure() {
    QFETCH(QStringList, dossiers);
    QFETCH(QStringList, boites);
    // The program starts unless the last box stops it.
    const bool lance = boites.isEmpty() || boites.last().startsWith("oui:");
    QFETCH(QByteArray, contenu);
    Banc b;
    if (contenu != "absent")
        Banc::creerFichier(b.programme() + "/CheminData.cfg", contenu);
    Banc::creerFichier(b.racine() + "/Nom/DataKorvane", "pas un dossier");
    QDir().mkpath(b.racine() + "/Moi");
    auto texte = [&](QString t) {
        return t.replace("%1", b.racine()).replace("%2", DossierPersonnelTest());
    };
    auto chemin = [&](const QString& t) { return QDir::cleanPath(texte(t)); };
    if (dossiers.isEmpty()) {
        Banc::creerFichier(b.racine() + "/programme-fichier", "pas un dossier");
        b.plateforme.environnement.dossierProgramme = b.racine() + "/programme-fichier";
    } else {
        // Two explanations open the procedure, then the folder picker.
        b.dialogues.attendreMessages({"", ""});
        b.dialogues.attendreDossier(chemin(dossiers[0]));
    }
    for (int i = 0; i < boites.size(); ++i) {
        b.dialogues.attendreMessages({texte(boites[i])});
        if (i + 1 < dossiers.size())
            b.dialogues.attendreDossier(chemin(dossiers[i + 1]));
    }
    Demarrage demarrage(b.plateforme);
    QCOMPARE(demarrage.Lancer(), lance);
    VERIFIER_DIALOGUES(b.dialogues);
    if (lance) {
        const QString donnees = b.racine() + "/Moi/DataKorvane/DataPhoto";
        QVERIFY(QFileInfo(donnees).isDir());
        QCOMPARE(Banc::lire(b.programme() + "/CheminData.cfg"),
                 ("\"" + donnees + "\"\r\n").toUtf8());
        // The start window hands over to the main window after four seconds.
        QCOMPARE(b.horloge.delais(), QList<int>{4000});
        b.horloge.declencher();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!demarrage.fenetreDepart());
        QVERIFY(demarrage.fenetrePrincipale() && demarrage.fenetrePrincipale()->isVisible());
        QCOMPARE(demarrage.etat().DossierDonnees, donnees);
        return;
    }
    QVERIFY(!demarrage.fenetreDepart() && !demarrage.fenetrePrincipale());
    QCOMPARE(QDir(b.programme()).entryList(QDir::Files), QStringList());
    QCOMPARE(Banc::lire(b.racine() + "/Nom/DataKorvane"), QByteArray("pas un dossier"));
    QVERIFY(!QFile::exists(DossierPersonnelTest() + "/../ailleurs/DataKorvane"));
}

// A data folder already recorded is taken without a test or a question, even gone.
void TstDemarrage::dossierEnregistre() {
    Banc b;
    const QString donnees = b.racine() + "/disparu/DataKorvane/DataPhoto";
    Banc::creerFichier(b.programme() + "/CheminData.cfg", FichiersParametres::texteSeul(donnees));
    EtatProgramme etat;
    FrmDepart depart(b.plateforme, etat);
    QVERIFY(depart.ProcedureDossierDonnees());
    QCOMPARE(etat.DossierDonnees, donnees);
    QVERIFY(!QFileInfo::exists(donnees));
    // With a database to move, the missing folder is made again for it; a newer database
    // replaces the one already moved, silently.
    for (const QByteArray base : {"base", "nouvelle"}) {
        Banc::creerFichier(b.programme() + "/Date.mdb", base);
        QVERIFY(depart.ProcedureDossierDonnees());
        QCOMPARE(Banc::lire(donnees + "/Date.mdb"), base);
    }
    QVERIFY(!QFile::exists(b.programme() + "/Date.mdb"));
    QCOMPARE(b.dialogues.vues().size(), 0);
}

VIMBRAL_TEST_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
