<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr_FR">
<context>
    <name>AddBackgroundMusicScreen</name>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="16" />
        <source>Add Background Music</source>
        <translation>Ajouter une musique de fond</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="34" />
        <source>Open Audio File</source>
        <translation>Ouvrir un fichier audio</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="39" />
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="45" />
        <source>Skip Audio</source>
        <translation>Continuer sans musique</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="53" />
        <source>Back to Themes</source>
        <translation>Retour aux thèmes</translation>
    </message>
    <message>
        <location filename="../qml/AddBackgroundMusicScreen.qml" line="61" />
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>Ouvrir un fichier audio (*.mp3 *.m4a)</translation>
    </message>
</context>
<context>
    <name>DoneScreen</name>
    <message>
        <location filename="../qml/DoneScreen.qml" line="14" />
        <source>Your video is ready</source>
        <translation>Votre vidéo est prête</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="19" />
        <source>Play Video</source>
        <translation>Lire la vidéo</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="24" />
        <source>Open Folder containing Video</source>
        <translation>Ouvrir le dossier de la vidéo</translation>
    </message>
    <message>
        <location filename="../qml/DoneScreen.qml" line="32" />
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="14" />
        <source>Downloading Theme</source>
        <translation>Téléchargement du thème</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="34" />
        <source>Downloading theme's files from internet.</source>
        <translation>Téléchargement des fichiers du thème depuis Internet.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="35" />
        <source>Depending on your internet connection speed</source>
        <translation>Selon la vitesse de votre connexion Internet</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="36" />
        <source>it can take up to few minutes.</source>
        <translation>cela peut prendre quelques minutes.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="37" />
        <source>This files will be downloaded only once.</source>
        <translation>Ces fichiers ne sont téléchargés qu'une seule fois.</translation>
    </message>
    <message>
        <location filename="../qml/DownloadingScreen.qml" line="44" />
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>ImgSceneReader</name>
    <message>
        <location filename="../src/scene/ImgSceneReader.cpp" line="20" />
        <source>The photo cannot be read, its place in the video stays empty: %1</source>
        <translation>La photo ne peut pas être lue, sa place dans la vidéo reste vide : %1</translation>
    </message>
</context>
<context>
    <name>LibavRender</name>
    <message>
        <location filename="../src/engine/LibavRender.cpp" line="86" />
        <source>The video file disappeared while it was being written: %1</source>
        <translation>Le fichier vidéo a disparu pendant son écriture : %1</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <location filename="../qml/MainScreen.qml" line="38" />
        <source>Add Images</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="49" />
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="55" />
        <source>Add Folder with Images</source>
        <translation>Ajouter un dossier d'images</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="62" />
        <source>Add Text Scene</source>
        <translation>Ajouter une scène de texte</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="67" />
        <location filename="../qml/MainScreen.qml" line="123" />
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="67" />
        <location filename="../qml/MainScreen.qml" line="123" />
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="134" />
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="159" />
        <source>Click Add Images to add your photos</source>
        <translation>Cliquez sur « Ajouter des images » pour ajouter vos photos</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="165" />
        <source>Click Add Text Scene to add titles between slides</source>
        <translation>Cliquez sur « Ajouter une scène de texte » pour placer des titres entre les diapositives</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="219" />
        <source>Edit Audio</source>
        <translation>Modifier la musique</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="219" />
        <source>Add Audio</source>
        <translation>Ajouter de la musique</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="231" />
        <source>Click here to Add Background Music</source>
        <translation>Cliquez ici pour ajouter une musique de fond</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="232" />
        <source> Audio Files</source>
        <translation> fichiers audio</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="257" />
        <source>Back to Themes</source>
        <translation>Retour aux thèmes</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="265" />
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="278" />
        <location filename="../qml/MainScreen.qml" line="285" />
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Importer des images (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <location filename="../qml/MainScreen.qml" line="292" />
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>Ouvrir un fichier audio (*.mp3 *.m4a)</translation>
    </message>
</context>
<context>
    <name>PhotoGrid</name>
    <message>
        <location filename="../qml/PhotoGrid.qml" line="171" />
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from final video</source>
        <translation>Vous avez trop de diapositives pour la durée de la musique. Les images et textes ci-dessous ne seront pas dans la vidéo</translation>
    </message>
</context>
<context>
    <name>PlanPlayer</name>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="40" />
        <source>The theme cannot be used: its description is missing or cannot be read.</source>
        <translation>Le thème ne peut pas être utilisé : sa description manque ou est illisible.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="44" />
        <source>There is nothing to put into a video: the project has no slides.</source>
        <translation>Il n'y a rien à mettre dans une vidéo : le projet n'a aucune diapositive.</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="89" />
        <source>The theme's background cannot be played: %1</source>
        <translation>L'arrière-plan du thème ne peut pas être lu : %1</translation>
    </message>
    <message>
        <location filename="../src/engine/PlanPlayer.cpp" line="159" />
        <source>The theme cannot play its scene %1: the video cannot be made.</source>
        <translation>Le thème ne peut pas jouer sa scène %1 : la vidéo ne peut pas être créée.</translation>
    </message>
</context>
<context>
    <name>PopupAddTextScene</name>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="18" />
        <source>Add Text Scene</source>
        <translation>Ajouter une scène de texte</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="23" />
        <source>Type your text here...</source>
        <translation>Saisissez votre texte ici…</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="45" />
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../qml/PopupAddTextScene.qml" line="50" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PopupAudioTracks</name>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="14" />
        <source>Edit Audio</source>
        <translation>Modifier la musique</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="20" />
        <source>Add Audio</source>
        <translation>Ajouter de la musique</translation>
    </message>
    <message>
        <location filename="../qml/PopupAudioTracks.qml" line="25" />
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>PopupCommonError</name>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="17" />
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="32" />
        <source>If this problem persists, please contact our support at </source>
        <translation>Si le problème persiste, contactez notre assistance sur </translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="34" />
        <source>or via email</source>
        <translation>ou par e-mail</translation>
    </message>
    <message>
        <location filename="../qml/PopupCommonError.qml" line="41" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PopupDownloadError</name>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="15" />
        <source>Network problem</source>
        <translation>Problème de réseau</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="22" />
        <source>We have problem with downloading files from internet.</source>
        <translation>Le téléchargement des fichiers a échoué.</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="23" />
        <source>Please check your internet connection and try again.</source>
        <translation>Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="24" />
        <source>If this problem persists, please contact our support at </source>
        <translation>Si le problème persiste, contactez notre assistance sur </translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="32" />
        <source>Select other</source>
        <translation>Choisir un autre</translation>
    </message>
    <message>
        <location filename="../qml/PopupDownloadError.qml" line="39" />
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>PopupLeaveMsg</name>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="21" />
        <source>Something seems to have gone wrong during the last Lumavive session. Send us a short message about what is the last thing you did before Lumavive crashed. It helps us fix issues quickly.
Thank you.</source>
        <translation>Un problème semble s'être produit lors de la dernière session de Lumavive. Dites-nous en quelques mots ce que vous faisiez avant que Lumavive ne plante. Cela nous aide à corriger rapidement.
Merci.</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="26" />
        <source>Type your message here...</source>
        <translation>Saisissez votre message ici…</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="30" />
        <source>Don’t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="36" />
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../qml/PopupLeaveMsg.qml" line="40" />
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>PopupMissedImageFiles</name>
    <message>
        <location filename="../qml/PopupMissedImageFiles.qml" line="16" />
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location filename="../qml/PopupMissedImageFiles.qml" line="30" />
        <source>Missed image files will be skipped</source>
        <translation>Les images manquantes seront ignorées</translation>
    </message>
    <message>
        <location filename="../qml/PopupMissedImageFiles.qml" line="35" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PreviewAudio</name>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="44" />
        <source>No sound device was found: the preview plays without music.</source>
        <translation>Aucun périphérique audio trouvé : l'aperçu est lu sans musique.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="48" />
        <source>The sound device cannot play the music: the preview plays without it.</source>
        <translation>Le périphérique audio ne peut pas lire la musique : l'aperçu est lu sans elle.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="61" />
        <source>The sound device cannot be opened: the preview plays without music.</source>
        <translation>Le périphérique audio ne peut pas être ouvert : l'aperçu est lu sans musique.</translation>
    </message>
    <message>
        <location filename="../src/preview/PreviewAudio.cpp" line="72" />
        <source>The sound device stopped: the preview plays on without music.</source>
        <translation>Le périphérique audio s'est arrêté : l'aperçu continue sans musique.</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="134" />
        <source>The video lasts %1 s; the last %2 s of the music are left out.</source>
        <translation>La vidéo dure %1 s ; les dernières %2 s de la musique sont laissées de côté.</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectPres.cpp" line="168" />
        <source>Audio Files</source>
        <translation>fichiers audio</translation>
    </message>
</context>
<context>
    <name>ProjectsView</name>
    <message>
        <location filename="../qml/ProjectsView.qml" line="15" />
        <source>My Recent Projects</source>
        <translation>Mes projets récents</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="20" />
        <source>Hide all</source>
        <translation>Tout masquer</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="20" />
        <source>Show all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="79" />
        <source>Resume project</source>
        <translation>Reprendre le projet</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="88" />
        <source>Delete project</source>
        <translation>Supprimer le projet</translation>
    </message>
    <message>
        <location filename="../qml/ProjectsView.qml" line="98" />
        <source>... load more</source>
        <translation>… en charger plus</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/templates/TemplateParser.cpp" line="303" />
        <source>The theme description cannot be read: %1</source>
        <translation>La description du thème est illisible : %1</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="15" />
        <source>Making Video</source>
        <translation>Création de la vidéo</translation>
    </message>
    <message>
        <location filename="../qml/RenderingScreen.qml" line="45" />
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>SavedProjectsPres</name>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="183" />
        <source>The project could not be saved in %1. Check that the disk has free space.</source>
        <translation>Le projet n'a pas pu être enregistré dans %1. Vérifiez qu'il reste de la place sur le disque.</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="213" />
        <source>The saved project cannot be read: %1</source>
        <translation>Le projet enregistré ne peut pas être lu : %1</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="220" />
        <source>(no copy could be made)</source>
        <translation>(aucune copie n'a pu être faite)</translation>
    </message>
    <message>
        <location filename="../src/app/SavedProjectsPres.cpp" line="222" />
        <source>The saved project was damaged; what could be read is open. The damaged file is kept as %1</source>
        <translation>Le projet enregistré était endommagé ; ce qui a pu être lu est ouvert. Le fichier endommagé est conservé sous %1</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <location filename="../src/app/SettingsPres.cpp" line="54" />
        <source>Please select another Result Directory. Can't create output file in</source>
        <translation>Veuillez choisir un autre dossier de destination. Impossible de créer le fichier dans</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="15" />
        <source>Video settings</source>
        <translation>Réglages de la vidéo</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="19" />
        <source>Result Directory</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="21" />
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="49" />
        <source>Video Quality</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="54" />
        <source>HD (1280x720)</source>
        <translation>HD (1280x720)</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="60" />
        <source>Full HD (1920x1080)</source>
        <translation>Full HD (1920x1080)</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="68" />
        <source>MAKE MOVIE</source>
        <translation>CRÉER LA VIDÉO</translation>
    </message>
    <message>
        <location filename="../qml/SettingsScreen.qml" line="86" />
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>ThemeThumb</name>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="52" />
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <location filename="../qml/ThemeThumb.qml" line="68" />
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>ThemesScreen</name>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="24" />
        <source>Select Theme</source>
        <translation>Choisir un thème</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="41" />
        <source>Subscribe for new Themes and Updates</source>
        <translation>Abonnez-vous aux nouveaux thèmes et nouveautés</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="48" />
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <location filename="../qml/ThemesScreen.qml" line="52" />
        <source>Subscribe</source>
        <translation>S'abonner</translation>
    </message>
</context>
</TS>