#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "outilsfenetre.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

// "Photo.ini" naming the photo folder as the start folder.
void demarrerSurPhotos(Banc& b, quint8 ouvrirDernier = 0) {
    ParametresPhoto p;
    p.RepertoireDemarrage = b.photos();
    p.OuvrirDernier = ouvrirDernier;
    Banc::creerFichier(b.programme() + "/Photo.ini", p.versLigne());
}

// A photo folder with a marked picture, a picture of each of two types and a text file,
// the start folder.
void preparerDossier(Banc& b, quint8 ouvrirDernier = 0) {
    Banc::creerImage(b.photos() + "/a.jpg");
    QFile::rename(b.photos() + "/a.jpg", b.photos() + "/a.jpg   [M]");
    Banc::creerImage(b.photos() + "/b.jpg");
    Banc::creerImage(b.photos() + "/c.bmp");
    Banc::creerFichier(b.photos() + "/notes.txt");
    demarrerSurPhotos(b, ouvrirDernier);
}

const QString Defaut = QStringLiteral("Le répertoire par défaut, à l'ouverture, est \n\n%1\n\n"
                                      "Vous pourrez choisir un autre répertoire, ou choisir "
                                      "d'ouvrir le programme sur le dernier répertoire ouvert.");
const QString Molette = QStringLiteral("Déplacement de la sélection de fichiers (en nombre de "
                                       "fichiers) par action de la molette de la souris");
const QString Ouverture = QStringLiteral(
    "Au démarrage du programme :\n\nOuvrir sur un répertoire choisi : écrire 0 (NB : zéro)\n"
    "Ouvrir sur le dernier répertoire ouvert : écrire 1");
const QString Filtre = QStringLiteral("Inscrivez la chaîne de caractères souhaitée pour "
                                      "n'afficher que les fichiers qui la contiennent.");

} // namespace

class TstFrmPhoto : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void premiereActivationSansParametres();
    void dossierDeDemarrage();
    void typesDeFichiers();
    void filtreParChaine_data();
    void filtreParChaine();
    void rafraichir();
    void molette_data();
    void molette();
    void repertoireOuverture();
    void ancienAvIni();
    void ecritureImpossible();
    void positionDeLaFenetre();
    void ouvrirSurLeDernier();
};

void TstFrmPhoto::premiereActivationSansParametres() {
    Banc b;
    EtatProgramme etat;
    {
        FrmPhoto f(b.plateforme, etat);
        QCOMPARE(f.CboFileType->count(), 9);
        QVERIFY(QFileInfo(b.programme() + "/Photos sauvegardées").isDir());
        b.dialogues.attendreMessage(Defaut.arg(DossierPersonnelTest()));
        f.Form_Activate();
        VERIFIER_DIALOGUES(b.dialogues);
        QCOMPARE(Banc::lire(b.programme() + "/Photo.ini"),
                 ("\"" + DossierPersonnelTest() + "\",#TRUE#,0\r\n").toUtf8());
        QCOMPARE(etat.RepertoireOuvert, DossierPersonnelTest() + "/");
        QVERIFY(f.FenetreActivee());
        // Later activations ask nothing.
        f.Form_Activate();
        VERIFIER_DIALOGUES(b.dialogues);
        QVERIFY(!QFile::exists(b.programme() + "/Options.cfg"));
        QVERIFY(!QFile::exists(b.programme() + "/Pos.ini"));
        f.close();
    }
    QVERIFY(QFile::exists(b.programme() + "/Pos.ini"));
}

void TstFrmPhoto::dossierDeDemarrage() {
    Banc b;
    preparerDossier(b);
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.Form_Activate();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(etat.RepertoireOuvert, b.photos() + "/");
    QCOMPARE(entrees(f), QStringList({"a.jpg   [M]", "c.bmp", "b.jpg"}));
    QCOMPARE(f.LblDirName->text(), QString("Répertoire ouvert : 3 fichier(s)"));
    QCOMPARE(f.CboFileType->currentText(), QString("Tous fichiers image  (*.*)"));
    QCOMPARE(etat.DerniereMiniature, 2);
    QVERIFY(etat.DossiersOuverts.contains(b.photos()));
}

void TstFrmPhoto::typesDeFichiers() {
    Banc b;
    preparerDossier(b);
    Banc::creerFichier(b.photos() + "/chant.MP3");
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.Form_Activate();

    // The thumbnails and the slideshow are for pictures; rotation is not there yet.
    f.CboFileType->setCurrentIndex(8);
    QCOMPARE(entrees(f), QStringList({"a.jpg   [M]", "b.jpg", "c.bmp", "chant.MP3", "notes.txt"}));
    QVERIFY(f.CmdMin->isEnabled());
    QVERIFY(f.axBDiapo->isEnabled());
    f.SelectionnerEntree(1);
    QVERIFY(!f.etat().PasDePhoto);
    // Turning and resizing are offered while a picture is shown.
    QVERIFY(f.axBPivoter->isVisibleTo(&f) && f.axBRedimensionner->isVisibleTo(&f));
    f.RendreDisponible(f.CmdMin);
    f.CboFileType->setCurrentIndex(0);
    f.CboFileType->setCurrentIndex(8);
    QVERIFY(f.CmdMin->isEnabled());

    f.CboFileType->setCurrentIndex(6);
    QCOMPARE(entrees(f), QStringList({"a.jpg   [M]"}));
    QVERIFY(!f.CmdMin->isEnabled());
    QVERIFY(!f.axBDiapo->isEnabled());

    // A folder with no sound at all: every command that needs a file is off.
    QFile::rename(b.photos() + "/a.jpg   [M]", b.photos() + "/a.jpg");
    f.CboFileType->setCurrentIndex(8);
    f.CboFileType->setCurrentIndex(6);
    QCOMPARE(entrees(f), QStringList());
    QCOMPARE(f.LblDirName->text(), QString("Répertoire ouvert : 0 fichier(s)"));
    QVERIFY(!f.CmdInc->isEnabled());
    QVERIFY(!f.CmdRefresh->isEnabled());
    QVERIFY(f.TxtFileName->text().isEmpty());

    f.CboFileType->setCurrentIndex(5);
    QCOMPARE(entrees(f), QStringList({"chant.MP3"}));
    QVERIFY(f.CmdRefresh->isEnabled());
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstFrmPhoto::filtreParChaine_data() {
    QTest::addColumn<QString>("chaine");
    QTest::addColumn<int>("casse");
    QTest::addColumn<QStringList>("attendu");
    QTest::addColumn<QString>("etiquette");
    QTest::addColumn<QString>("compte");
    QTest::newRow("respecter la casse")
        << "Ete" << int(Dialogues::Reponse::Oui) << QStringList{"a.jpg   [M]", "Ete 2019.jpg"}
        << "Chaine : Ete"
        << "Répertoire ouvert : 2 fichier(s)";
    QTest::newRow("ignorer la casse")
        << "Ete" << int(Dialogues::Reponse::Non)
        << QStringList{"a.jpg   [M]", "ETE 2019.jpg", "Ete 2019.jpg"} << "Chaine : ETE"
        << "Répertoire ouvert : 3 fichier(s)";
    QTest::newRow("annuler: les marqués seuls, légendes inchangées")
        << "" << -1 << QStringList{"a.jpg   [M]"} << ""
        << "Répertoire ouvert : 5 fichier(s)";
}

void TstFrmPhoto::filtreParChaine() {
    QFETCH(QString, chaine);
    QFETCH(int, casse);
    QFETCH(QStringList, attendu);
    QFETCH(QString, etiquette);
    QFETCH(QString, compte);
    Banc b;
    preparerDossier(b);
    Banc::creerFichier(b.photos() + "/Ete 2019.jpg");
    Banc::creerFichier(b.photos() + "/ETE 2019.jpg");
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.Form_Activate();
    QCOMPARE(f.LblDirName->text(), QString("Répertoire ouvert : 5 fichier(s)"));
    b.dialogues.attendreSaisie(Filtre, chaine);
    if (casse >= 0)
        b.dialogues.attendreMessage("Respecter la casse ?", Dialogues::Reponse(casse));
    f.CboFileType->setCurrentIndex(7);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues()[0].titre, QString("Sélection de fichiers"));
    QCOMPARE(entrees(f), attendu);
    QCOMPARE(f.LabelTrie->text(), etiquette);
    QCOMPARE(f.LblDirName->text(), compte);

    // A folder change falls back to all pictures.
    f.DefinirCheminDossier(b.racine());
    QCOMPARE(f.CboFileType->currentIndex(), 0);
    QVERIFY(!f.LabelTrie->isVisibleTo(&f));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstFrmPhoto::rafraichir() {
    Banc b;
    preparerDossier(b);
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.show();
    f.Form_Activate();
    Banc::creerFichier(b.photos() + "/0.gif");
    f.LstFF->setCurrentRow(2);
    etat.ListeOccupee = true;
    QTest::mouseClick(f.CmdRefresh, Qt::LeftButton);
    QCOMPARE(entrees(f), QStringList({"a.jpg   [M]", "c.bmp", "b.jpg", "0.gif"}));
    QCOMPARE(f.LstFF->currentRow(), 0);
    QVERIFY(!etat.ListeOccupee);
}

void TstFrmPhoto::molette_data() {
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<int>("pas");
    QTest::addColumn<bool>("ecrit");
    QTest::newRow("décimal arrondi") << "12.6" << 13 << true;
    QTest::newRow("virgule française") << "7,4" << 7 << true;
    QTest::newRow("lettres") << "douze" << 5 << false;
    QTest::newRow("zéro") << "0" << 5 << false;
    QTest::newRow("au-delà de 16 bits") << "40000" << 5 << false;
}

void TstFrmPhoto::molette() {
    QFETCH(QString, reponse);
    QFETCH(int, pas);
    QFETCH(bool, ecrit);
    Banc b;
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    b.dialogues.attendreSaisie(Molette, reponse);
    f.mnuNLi_Click();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues()[0].titre, QString("Action de la molette de la souris"));
    QCOMPARE(int(etat.options.PasMolette), pas);
    QCOMPARE(QFile::exists(b.programme() + "/Options.cfg"), ecrit);
    if (ecrit)
        QCOMPARE(Banc::lire(b.programme() + "/Options.cfg"),
                 QByteArray("\"\",0,0,0,0,0,0,0,0,0,0,\" _ \",116,117,0,65280,1,1,0,") +
                     QByteArray::number(pas) + ",1,0\r\n");
}

void TstFrmPhoto::repertoireOuverture() {
    Banc b;
    preparerDossier(b);
    const QByteArray initial = Banc::lire(b.programme() + "/Photo.ini");
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.Form_Activate();

    b.dialogues.attendreSaisie(Ouverture, "2");
    f.mnuRep_Click();
    QCOMPARE(Banc::lire(b.programme() + "/Photo.ini"), initial);

    b.dialogues.attendreSaisie(Ouverture, "0");
    b.dialogues.attendreDossier("");
    f.mnuRep_Click();
    QCOMPARE(Banc::lire(b.programme() + "/Photo.ini"), initial);

    b.dialogues.attendreSaisie(Ouverture, "0");
    b.dialogues.attendreDossier(b.racine());
    b.dialogues.attendreMessage("Le répertoire par défaut sera : " + b.racine());
    f.mnuRep_Click();
    QCOMPARE(Banc::lire(b.programme() + "/Photo.ini"),
             ("\"" + b.racine() + "\",#TRUE#,0\r\n").toUtf8());

    b.dialogues.attendreSaisie(Ouverture, "1");
    f.mnuRep_Click();
    QCOMPARE(Banc::lire(b.programme() + "/Photo.ini"),
             ("\"" + b.racine() + "\",#TRUE#,1\r\n").toUtf8());
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues()[0].titre, QString("Répertoire à l'ouverture"));
}

void TstFrmPhoto::ancienAvIni() {
    Banc b;
    preparerDossier(b);
    Banc::creerFichier(b.programme() + "/Av.ini", "#FALSE#\r\n");
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    QVERIFY(etat.photo.AfficherAvertissement);
    f.Form_Activate();
    QVERIFY(!etat.photo.AfficherAvertissement);
    QVERIFY(!QFile::exists(b.programme() + "/Av.ini"));
    b.dialogues.attendreSaisie(Ouverture, "1");
    f.mnuRep_Click();
    QVERIFY(Banc::lire(b.programme() + "/Photo.ini").contains(",#FALSE#,1"));
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstFrmPhoto::ecritureImpossible() {
    Banc b;
    // A folder where the file must go: the write fails even for root.
    QDir().mkpath(b.programme() + "/Options.cfg");
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    b.dialogues.attendreSaisie(Molette, "8");
    b.dialogues.attendreMessage("Impossible d'enregistrer le fichier \"" + b.programme() +
                                "/Options.cfg\".\nLes réglages modifiés restent en vigueur "
                                "jusqu'à la fermeture du programme.");
    f.mnuNLi_Click();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(int(etat.options.PasMolette), 8);
}

void TstFrmPhoto::positionDeLaFenetre() {
    Banc b;
    Banc::creerFichier(b.programme() + "/Pos.ini", "1200,450\r\n");
    EtatProgramme etat;
    {
        FrmPhoto f(b.plateforme, etat);
        QCOMPARE(f.pos(), QPoint(80, 30));
        QCOMPARE(f.width(), 1024);
        f.move(100, 40);
        f.close();
    }
    QCOMPARE(Banc::lire(b.programme() + "/Pos.ini"), QByteArray("1500,600\r\n"));
}

void TstFrmPhoto::ouvrirSurLeDernier() {
    Banc b;
    preparerDossier(b, 1);
    QDir().mkpath(b.racine() + "/autre");
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    f.Form_Activate();
    f.DefinirCheminDossier(b.racine() + "/autre");
    QCOMPARE(etat.RepertoireOuvert, b.racine() + "/autre/");
    QCOMPARE(Banc::lire(b.programme() + "/Photo.ini"),
             ("\"" + b.racine() + "/autre\",#TRUE#,1\r\n").toUtf8());
    QCOMPARE(etat.DossiersOuverts.last(), b.racine() + "/autre");
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstFrmPhoto)
#include "tst_frmphoto.moc"
