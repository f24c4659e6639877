#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "incrementation.h"
#include "menusphoto.h"
#include "outilsfenetre.h"
#include "renommageclavier.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <memory>

namespace {

const QString Selectionnez = QStringLiteral(
    "Sélectionnez les fichiers concernés,\npuis cliquez à nouveau sur le menu \"Remplacer une "
    "chaine de caractères.\"");
const QString Poursuivre = QStringLiteral("Poursuivre le remplacement de\nchaine de caractères ?");
const QString Aucun =
    QStringLiteral("Aucun fichier n'est sélectionné !\n\nVoulez-vous abandonner ?");
const QString Vide = QStringLiteral("Voulez-vous poursuivre avec une chaine vide ?");
const QString Interdit =
    QStringLiteral("Ce caractères de remplacement est un caractère interdit !\nOpération annulée.");
// The conflict message's text is checked by the incrementation's tests.
const QString Conflit;
const QStringList Invites = {
    QStringLiteral("Sous-chaine de caractères recherchée\nen vue de remplacement :"),
    QStringLiteral("Sous-chaine de caractères de remplacement :"),
    QStringLiteral("Rang du 1er caractère du nom de fichier, où commencera la recherche de la "
                   "sous-chaine\nà remplacer :\n\nLa valeur est obligatoirement >= à \"1\" sous "
                   "peine d'interruption de l'opération en cours.\n\nLa valeur par défaut est "
                   "\"1\" ,ce qui veut dire que la recherche commencera au premier caractère, "
                   "donc portera sur tout le nom."),
    QStringLiteral("Nombre de sous-chaines à remplacer à partir du premier caractère choisi :\n\n"
                   "La valeur par défaut est \"-1\" ,ce qui veut dire que toutes les "
                   "sous-chaines seront remplacées ; sinon, inscrivez le nombre.")};
const QString Info1 = QStringLiteral(
    "Cette opération n'a pas un intérêt majeur,\net peut même être source de résultats "
    "fantaisites,\nprincipalement si le nom des fichiers diffère.\n\nLa liste des fichiers doit, "
    "en premier lieu, être entièrement incrémentée à gauche.");
const QString Info2 = QStringLiteral(
    "A l'issue de l'opération, vous aurez la possibilité de revenir aussitôt à l'affichage "
    "antérieur.\n\nSi vous désirez faire ce choix ultérieurement, il faudra le faire "
    "\"manuellement\" :\n\n- incrémenter la liste à gauche,\n- peut être la réorganiser,\n- puis "
    "effacer le chiffre d'incrémentation à droite, fichier par fichier.");
const QString PasIncrementee = QStringLiteral(
    "La liste doit être entièrement incrémentée à gauche pour réaliser cette opération.");
const QString Revenir = QStringLiteral("Voulez-vous revenir à la configuration antérieure ?");

// The main window on a folder of the given files; each report's rows and the folder's names
// are kept when the report reaches its end state, then its button is pressed.
struct Session {
    Banc b;
    FichiersRefus refus;
    std::unique_ptr<Plateforme> plateforme;
    EtatProgramme etat;
    std::unique_ptr<FrmPhoto> f;
    QList<QStringList> rapports;
    QList<QStringList> nomsAuRapport;

    explicit Session(const QStringList& fichiers, int permis = 1 << 30) {
        for (const QString& nom : fichiers)
            Banc::creerFichier(b.photos() + QLatin1Char('/') + nom, nom.toUtf8());
        ParametresPhoto p;
        p.RepertoireDemarrage = b.photos();
        Banc::creerFichier(b.programme() + "/Photo.ini", p.versLigne());
        refus.permis = permis;
        plateforme = std::make_unique<Plateforme>(
            Plateforme{refus, b.dialogues, b.horloge, b.shell, b.plateforme.environnement});
        f = std::make_unique<FrmPhoto>(*plateforme, etat);
        f->Form_Activate();
        FrmRenom* r = f->incrementation().rapport();
        QObject::connect(r, &FrmRenom::etatFinalAtteint, r, [this, r] {
            QStringList lignes;
            for (int i = 0; i < r->LV->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* l = r->LV->topLevelItem(i);
                lignes.append(l->text(0) + (l->font(1).bold() ? " | " : " ! ") + l->text(1));
            }
            rapports.append(lignes);
            nomsAuRapport.append(nomsSurDisque(b.photos()));
            r->CmdTer->click();
        });
    }

    void menu(const char* nom) { f->menus().article(QString::fromLatin1(nom))->trigger(); }

    // Script items: "?answer" answers the next input box of the replacement, in order;
    // "!text" expects a message, "!text|Oui" or "|Non" answers it.
    void script(const QStringList& pas) {
        int saisie = 0;
        for (const QString& p : pas) {
            if (p.startsWith('?')) {
                b.dialogues.attendreSaisie(Invites[saisie++], p.mid(1));
                continue;
            }
            const QString texte = p.mid(1).section('|', 0, 0);
            const QString reponse = p.section('|', 1);
            b.dialogues.attendreMessage(texte, reponse == "Oui"   ? Dialogues::Reponse::Oui
                                               : reponse == "Non" ? Dialogues::Reponse::Non
                                                                  : Dialogues::Reponse::Ok);
        }
    }

    // Both clicks of the replacement on the given entries, the rest scripted.
    void remplacer(const QList<int>& rangs, const QStringList& pas) {
        b.dialogues.attendreMessage(Selectionnez);
        QTest::keyClick(f->LstFF, Qt::Key_F12);
        for (int i : rangs)
            f->LstFF->item(i)->setSelected(true);
        script(QStringList{"!" + Poursuivre + "|Oui"} + pas);
        menu("mnuremplace");
    }
};

} // namespace

class TstRemplacementFichiers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void remplacer_data();
    void remplacer();
    void abandons_data();
    void abandons();
    void sansSelection();
    void conflits_data();
    void conflits();
    void chaineDeLiaison_data();
    void chaineDeLiaison();
    void numeroADroite_data();
    void numeroADroite();
    void numeroADroiteRefuse_data();
    void numeroADroiteRefuse();
    void numeroADroiteConflit();
};

void TstRemplacementFichiers::remplacer_data() {
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QList<int>>("rangs");
    QTest::addColumn<QStringList>("pas");
    QTest::addColumn<QStringList>("rapport");
    QTest::addColumn<QStringList>("apres");
    const QString validez = QStringLiteral("!Validez ?|Oui");
    QTest::newRow("liaison, deux sur trois")
        << QStringList{"01 - a.jpg", "02 - b.jpg", "03 - c.jpg"} << QList<int>{0, 2}
        << QStringList{"? - ", "? _ ", "?1", "?-1", validez}
        << QStringList{".../  01 - a.jpg | .../  01 _ a.jpg", ".../  03 - c.jpg | .../  03 _ c.jpg"}
        << QStringList{"01 _ a.jpg", "02 - b.jpg", "03 _ c.jpg"};
    QTest::newRow("une seule occurrence, marque retirée")
        << QStringList{"IMG_1.jpg   [M]", "IMG_IMG.jpg"} << QList<int>{0, 1}
        << QStringList{"?IMG", "?Plage", "?1", "?1", validez}
        << QStringList{".../  IMG_1.jpg   [M] | .../  Plage_1.jpg",
                       ".../  IMG_IMG.jpg | .../  Plage_IMG.jpg"}
        << QStringList{"Plage_1.jpg", "Plage_IMG.jpg"};
    QTest::newRow("Non : rien n'est renommé, la marque part")
        << QStringList{"IMG_1.jpg   [M]", "IMG_2.jpg"} << QList<int>{0, 1}
        << QStringList{"?IMG", "?Plage", "?1", "?-1", "!Validez ?|Non"}
        << QStringList{".../  IMG_1.jpg   [M] | .../  Plage_1.jpg",
                       ".../  IMG_2.jpg | .../  Plage_2.jpg"}
        << QStringList{"IMG_1.jpg", "IMG_2.jpg"};
}

void TstRemplacementFichiers::remplacer() {
    QFETCH(QStringList, fichiers);
    QFETCH(QList<int>, rangs);
    QFETCH(QStringList, pas);
    QFETCH(QStringList, rapport);
    QFETCH(QStringList, apres);
    Session s(fichiers);
    const QStringList avant = nomsSurDisque(s.b.photos());
    const QStringList contenusAvant = contenus(s.b.photos());
    s.remplacer(rangs, pas);
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(s.rapports, QList<QStringList>{rapport});
    // The preview renames nothing.
    QCOMPARE(s.nomsAuRapport.first(), avant);
    QCOMPARE(nomsSurDisque(s.b.photos()), apres);
    QCOMPARE(contenus(s.b.photos()), contenusAvant);
    QCOMPARE(s.b.horloge.pauses(), rangs.size() * 150 + 50);
    QVERIFY(!s.f->renommage().RemplacementEnCours);
}

void TstRemplacementFichiers::abandons_data() {
    QTest::addColumn<QStringList>("pas");
    QTest::newRow("Poursuivre : Non") << QStringList{};
    QTest::newRow("chaine recherchée vide") << QStringList{"?", "!" + Vide + "|Non"};
    QTest::newRow("remplacement vide") << QStringList{"?a", "?", "!" + Vide + "|Non"};
    QTest::newRow("caractère interdit") << QStringList{"?a", "?x*", "!" + Interdit};
    for (const QString debut : {"0", "abc"})
        QTest::newRow(qPrintable("début «" + debut + "»")) << QStringList{"?a", "?b", "?" + debut};
    QTest::newRow("nombre vide") << QStringList{"?a", "?b", "?1", "?"};
}

void TstRemplacementFichiers::abandons() {
    QFETCH(QStringList, pas);
    Session s({"a.jpg", "b.jpg   [M]"});
    const QStringList avant = Banc::empreinte(s.b.photos());
    s.etat.RemplacementLiaison = true;
    s.b.dialogues.attendreMessage(Selectionnez);
    s.menu("mnuremplace");
    s.f->LstFF->selectAll();
    s.b.dialogues.attendreMessage(Poursuivre, pas.isEmpty() ? Dialogues::Reponse::Non
                                                            : Dialogues::Reponse::Oui);
    s.script(pas);
    s.menu("mnuremplace");
    VERIFIER_DIALOGUES(s.b.dialogues);
    QVERIFY(s.rapports.isEmpty());
    QCOMPARE(Banc::empreinte(s.b.photos()), avant);
    QVERIFY(!s.f->renommage().RemplacementEnCours);
    QVERIFY(!s.etat.RemplacementLiaison);
}

void TstRemplacementFichiers::sansSelection() {
    Session s({"a.jpg", "b.jpg"});
    s.f->LstFF->selectAll();
    // The first click clears the selection.
    s.b.dialogues.attendreMessage(Selectionnez);
    s.menu("mnuremplace");
    QVERIFY(s.f->LstFF->selectedItems().isEmpty());
    QVERIFY(s.f->renommage().RemplacementEnCours);
    // No: still waiting for the selection.
    s.script({"!" + Poursuivre + "|Oui", "!" + Aucun + "|Non", "!" + Selectionnez});
    s.menu("mnuremplace");
    VERIFIER_DIALOGUES(s.b.dialogues);
    QVERIFY(s.f->renommage().RemplacementEnCours);
    s.script({"!" + Poursuivre + "|Oui", "!" + Aucun + "|Oui"});
    s.menu("mnuremplace");
    VERIFIER_DIALOGUES(s.b.dialogues);
    QVERIFY(!s.f->renommage().RemplacementEnCours);
    QCOMPARE(nomsSurDisque(s.b.photos()), QStringList({"a.jpg", "b.jpg"}));
}

void TstRemplacementFichiers::conflits_data() {
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QStringList>("pas");
    QTest::addColumn<int>("permis");
    QTest::addColumn<QStringList>("apres");
    // Checked before the first rename: nothing moves.
    // «xa.jpg» could become «a.jpg» before «xxa.jpg» is refused the same name.
    QTest::newRow("deux fichiers vers un nom")
        << QStringList{"xa.jpg", "xxa.jpg"} << QStringList{"?x", "?", "!" + Vide + "|Oui"} << 1000
        << QStringList{"xa.jpg", "xxa.jpg"};
    // Refused during the pass: the files before keep their new names.
    QTest::newRow("refus du système")
        << QStringList{"a1.jpg", "a2.jpg", "a3.jpg"} << QStringList{"?a", "?b"} << 1
        << QStringList{"a2.jpg", "a3.jpg", "b1.jpg"};
    QTest::newRow("nom caché") << QStringList{"ab.jpg", "b.jpg", "cb.jpg"}
                               << QStringList{"?b", "?", "!" + Vide + "|Oui"} << 1000
                               << QStringList{"a.jpg", "b.jpg", "cb.jpg"};
}

void TstRemplacementFichiers::conflits() {
    QFETCH(QStringList, fichiers);
    QFETCH(QStringList, pas);
    QFETCH(int, permis);
    QFETCH(QStringList, apres);
    Session s(fichiers, permis);
    const QStringList avant = contenus(s.b.photos());
    QList<int> tous;
    for (int i = 0; i < fichiers.size(); ++i)
        tous.append(i);
    s.remplacer(tous, pas + QStringList{"?1", "?-1", "!Validez ?|Oui", "!" + Conflit});
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(nomsSurDisque(s.b.photos()), apres);
    QCOMPARE(contenus(s.b.photos()), avant);
    QVERIFY(!s.f->renommage().RemplacementEnCours);
}

void TstRemplacementFichiers::chaineDeLiaison_data() {
    QTest::addColumn<QString>("remplacement");
    QTest::addColumn<QStringList>("apres");
    QTest::newRow("corrigée") << " _ " << QStringList{"01 _ a.jpg", "02 _ b.jpg"};
    QTest::newRow("mal corrigée") << "+" << QStringList{"01+a.jpg", "02+b.jpg"};
}

void TstRemplacementFichiers::chaineDeLiaison() {
    QFETCH(QString, remplacement);
    QFETCH(QStringList, apres);
    Session s({"01-a.jpg", "02-b.jpg"});
    // The keyboard renaming's check finds another link string; No starts the replacement.
    s.b.dialogues.attendreMessage({});
    s.b.dialogues.attendreMessage({}, Dialogues::Reponse::Non);
    s.b.dialogues.attendreMessage(Selectionnez);
    s.f->renommage().mnuSecOpt_Click();
    VERIFIER_DIALOGUES(s.b.dialogues);
    QVERIFY(s.etat.RemplacementLiaison);
    s.f->LstFF->selectAll();
    QStringList pas{"!" + Poursuivre + "|Oui", "?-", "?" + remplacement, "?1", "?-1",
                    "!Validez ?|Oui"};
    if (remplacement == "+")
        pas.append("!La chaine de liaison n'a pas été correctement corrigée.");
    s.script(pas);
    s.menu("mnuremplace");
    VERIFIER_DIALOGUES(s.b.dialogues);
    QCOMPARE(nomsSurDisque(s.b.photos()), apres);
    QVERIFY(!s.etat.RemplacementLiaison && !s.etat.VerifierLiaison);
}

void TstRemplacementFichiers::numeroADroite_data() {
    QTest::addColumn<bool>("revenir");
    QTest::addColumn<QStringList>("apres");
    QTest::newRow("Oui : retour") << true
                                  << QStringList{"001 _ Plage.jpg", "002 _ Mer.jpg",
                                                 "003 _ Port.jpg", "004 _ Vue.jpg"};
    QTest::newRow("Non") << false
                         << QStringList{"Mer _ 002.jpg", "Plage _ 001.jpg", "Port _ 003.jpg",
                                        "Vue _ 004.jpg"};
}

void TstRemplacementFichiers::numeroADroite() {
    QFETCH(bool, revenir);
    QFETCH(QStringList, apres);
    Session s({"001 _ Plage.jpg", "002 _ Mer.JPG", "003 _ Port.jpg   [M]", "004 _ 012 _ Vue.jpg"});
    const QStringList avant = contenus(s.b.photos());
    s.script({"!" + Info1, "!" + Info2, "!Voulez-vous poursuivre ?|Oui",
              "!" + Revenir + (revenir ? "|Oui" : "|Non")});
    s.menu("mnuIncrDte");
    VERIFIER_DIALOGUES(s.b.dialogues);
    const QStringList tournes{"Mer _ 002.jpg", "Plage _ 001.jpg", "Port _ 003.jpg",
                              "Vue _ 004.jpg"};
    QCOMPARE(s.rapports.value(0), QStringList({".../  003 _ Port.jpg   [M] | .../  Port _ 003.jpg",
                                               ".../  001 _ Plage.jpg | .../  Plage _ 001.jpg",
                                               ".../  002 _ Mer.JPG | .../  Mer _ 002.jpg",
                                               ".../  004 _ 012 _ Vue.jpg | .../  Vue _ 004.jpg"}));
    QCOMPARE(s.nomsAuRapport.value(0), tournes);
    if (revenir) {
        QCOMPARE(s.rapports.value(1), QStringList({".../  Mer _ 002.jpg | .../  002 _ Mer.jpg",
                                                   ".../  Plage _ 001.jpg | .../  001 _ Plage.jpg",
                                                   ".../  Port _ 003.jpg | .../  003 _ Port.jpg",
                                                   ".../  Vue _ 004.jpg | .../  004 _ Vue.jpg"}));
    }
    QCOMPARE(s.rapports.size(), revenir ? 2 : 1);
    QCOMPARE(s.b.horloge.pauses(), (revenir ? 8 : 4) * 150);
    QCOMPARE(nomsSurDisque(s.b.photos()), apres);
    QCOMPARE(contenus(s.b.photos()), avant);
}

void TstRemplacementFichiers::numeroADroiteRefuse_data() {
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QString>("reponse");
    QTest::newRow("Non à poursuivre") << QStringList{"001 _ a.jpg"} << "Non";
    QTest::newRow("un nom sans numéro") << QStringList{"001 _ a.jpg", "b.jpg"} << "Oui";
    QTest::newRow("liste vide") << QStringList{} << "Oui";
}

void TstRemplacementFichiers::numeroADroiteRefuse() {
    QFETCH(QStringList, fichiers);
    QFETCH(QString, reponse);
    Session s(fichiers);
    const QStringList avant = Banc::empreinte(s.b.photos());
    QStringList pas{"!" + Info1, "!" + Info2, "!Voulez-vous poursuivre ?|" + reponse};
    if (reponse == "Oui")
        pas.append("!" + PasIncrementee);
    s.script(pas);
    s.menu("mnuIncrDte");
    VERIFIER_DIALOGUES(s.b.dialogues);
    QVERIFY(s.rapports.isEmpty());
    QCOMPARE(Banc::empreinte(s.b.photos()), avant);
}

void TstRemplacementFichiers::numeroADroiteConflit() {
    // Both names move to «a _ 001.jpg»: the second rename is refused and the pass stops.
    Session s({"001 _ a.jpg", "001 _ a.JPG", "002 _ b.jpg"});
    const QStringList avant = contenus(s.b.photos());
    s.script({"!" + Info1, "!" + Info2, "!Voulez-vous poursuivre ?|Oui", "!" + Conflit});
    s.menu("mnuIncrDte");
    VERIFIER_DIALOGUES(s.b.dialogues);
    const QStringList lignes{".../  001 _ a.JPG | .../  a _ 001.jpg", ".../  001 _ a.jpg ! ",
                             ".../  002 _ b.jpg ! "};
    QCOMPARE(s.rapports, QList<QStringList>{lignes});
    QCOMPARE(nomsSurDisque(s.b.photos()),
             QStringList({"001 _ a.jpg", "002 _ b.jpg", "a _ 001.jpg"}));
    QCOMPARE(contenus(s.b.photos()), avant);
}

VIMBRAL_TEST_MAIN(TstRemplacementFichiers)
#include "tst_remplacementfichiers.moc"
