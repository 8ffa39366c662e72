<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>Le délai de veille de l&apos;éclairage doit être compris entre 0 et 60000 secondes</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>Le délai de veille du clavier doit être compris entre 5 et 1000 minutes</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Le délai de veille de l&apos;éclairage ne peut pas dépasser celui du clavier</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Le délai de veille du clavier est trop court</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Échec du réglage du délai de veille</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>Le clavier a accepté le délai de veille, mais le profil n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Le délai de veille a été réglé</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Réinitialiser le profil actuel ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>Le profil actuel n&apos;a pas pu être réinitialisé</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profil actuel réinitialisé</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Si le verrouillage Win est actif :</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Désactiver la touche Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Désactiver SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Désactiver ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Désactiver ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Veille de l&apos;éclairage :</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Veille du clavier :</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Réinitialiser le profil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriétés du clavier</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>Aucun programme de réglage du clavier du bureau n&apos;est installé</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>Impossible d&apos;ouvrir les réglages du clavier</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer au démarrage du système (réduit)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Réduire dans la zone de notification à la fermeture</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Vérifier la mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Logiciel d&apos;application</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Aucun appareil à mettre à jour</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Réglage enregistré</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Impossible d&apos;enregistrer le réglage</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>Aucune zone de notification n’est active : fermer la fenêtre quitte le programme.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosité de l&apos;écran +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosité de l&apos;écran -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Bouton de précision</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Basculer en 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Basculer en USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Verrouiller le clavier</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Verrouiller/déverrouiller Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Verrouiller Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Déverrouiller Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l&apos;éclairage</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direction en boucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en pleine couleur</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer la couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer la couleur du bas</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personnalisé 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personnalisé 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Arrêter le rétroéclairage</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Éteindre le rétroéclairage</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Enregistrer l&apos;éclairage</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Éteindre l&apos;éclairage latéral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Arrêter l&apos;éclairage latéral</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réassigner la touche</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Fonction de touche</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Éclairage du clavier</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Éclairage d&apos;ambiance</translation>
    </message>
</context>
</TS>
