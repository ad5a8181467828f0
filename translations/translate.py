#!/usr/bin/env python3
"""Fills the translation catalogues (translations/<lang>.ts) from the table below.

Run after `lupdate qml src -ts translations/*.ts -no-obsolete` has refreshed the source texts:
  python3 translations/translate.py
"""
import os
import xml.etree.ElementTree as ET

T = {
 "Your title here": ("Ihr Titel hier", "Votre titre ici", "Tu título aquí", "Seu título aqui"),
 "Play this theme with sample pictures": ("Dieses Thema mit Beispielbildern abspielen", "Lire ce thème avec des images d'exemple", "Reproducir este tema con imágenes de ejemplo", "Reproduzir este tema com imagens de exemplo"),
 "A name for this slideshow": ("Ein Name für diese Diashow", "Un nom pour ce diaporama", "Un nombre para esta presentación", "Um nome para esta apresentação"),
 "A saved project cannot be read": ("Ein gespeichertes Projekt ist nicht lesbar", "Un projet enregistré est illisible", "No se puede leer un proyecto guardado", "Não é possível ler um projeto salvo"),
 "A saved project was damaged": ("Ein gespeichertes Projekt war beschädigt", "Un projet enregistré était endommagé", "Un proyecto guardado estaba dañado", "Um projeto salvo estava danificado"),
 "Its folder cannot be written: %1": ("Sein Ordner ist nicht beschreibbar: %1", "Son dossier n'est pas accessible en écriture : %1", "No se puede escribir en su carpeta: %1", "Não é possível gravar na pasta: %1"),
 "Its videos are named after it.": ("Seine Videos werden danach benannt.", "Ses vidéos portent ce nom.", "Sus vídeos llevarán este nombre.", "Os vídeos dele terão este nome."),
 "Rename": ("Umbenennen", "Renommer", "Renombrar", "Renomear"),
 "Rename Project": ("Projekt umbenennen", "Renommer le projet", "Renombrar proyecto", "Renomear projeto"),
 "The project could not be renamed": ("Das Projekt konnte nicht umbenannt werden", "Le projet n'a pas pu être renommé", "No se pudo renombrar el proyecto", "Não foi possível renomear o projeto"),
 "The project could not be saved": ("Das Projekt konnte nicht gespeichert werden", "Le projet n'a pas pu être enregistré", "No se pudo guardar el proyecto", "Não foi possível salvar o projeto"),
 "The result folder cannot be used": ("Der Zielordner kann nicht verwendet werden", "Le dossier de destination est inutilisable", "No se puede usar la carpeta de destino", "Não é possível usar a pasta de destino"),
 "Play earlier": ("Früher abspielen", "Jouer plus tôt", "Reproducir antes", "Tocar antes"),
 "Play later": ("Später abspielen", "Jouer plus tard", "Reproducir después", "Tocar depois"),
 "%1/90: a text slide holds up to 90 characters": ("%1/90: Eine Textfolie fasst bis zu 90 Zeichen", "%1/90 : une diapositive de texte contient au plus 90 caractères", "%1/90: una diapositiva de texto admite hasta 90 caracteres", "%1/90: um slide de texto aceita até 90 caracteres"),
 "Add Music": ("Musik hinzufügen", "Ajout de musique", "Añadir música", "Adicionar música"),
 "Add Photos": ("Fotos hinzufügen", "Ajout de photos", "Añadir fotos", "Adicionar fotos"),
 "Add Text": ("Text hinzufügen", "Ajout de texte", "Añadir texto", "Adicionar texto"),
 "Change Theme": ("Thema wechseln", "Changement de thème", "Cambiar tema", "Trocar tema"),
 "Edit Text": ("Text bearbeiten", "Modification du texte", "Editar texto", "Editar texto"),
 "Edit Text Scene": ("Textszene bearbeiten", "Modifier la scène de texte", "Editar escena de texto", "Editar cena de texto"),
 "Move Slides": ("Folien verschieben", "Déplacement de diapositives", "Mover diapositivas", "Mover slides"),
 "Redo": ("Wiederholen", "Rétablir", "Rehacer", "Refazer"),
 "Redo %1 (Ctrl+Shift+Z)": ("%1 wiederholen (Strg+Umschalt+Z)", "Rétablir : %1 (Ctrl+Maj+Z)", "Rehacer: %1 (Ctrl+Mayús+Z)", "Refazer: %1 (Ctrl+Shift+Z)"),
 "Remove": ("Entfernen", "Retirer", "Quitar", "Remover"),
 "Remove Missing Photos": ("Fehlende Fotos entfernen", "Retrait des photos manquantes", "Quitar fotos que faltan", "Remover fotos ausentes"),
 "Remove Music": ("Musik entfernen", "Retrait de musique", "Quitar música", "Remover música"),
 "Remove Slide": ("Folie entfernen", "Retrait d'une diapositive", "Quitar diapositiva", "Remover slide"),
 "Remove Slides": ("Folien entfernen", "Retrait de diapositives", "Quitar diapositivas", "Remover slides"),
 "Reorder Music": ("Musik umordnen", "Réorganisation de la musique", "Reordenar música", "Reordenar música"),
 "Turn Photo": ("Foto drehen", "Rotation de photo", "Girar foto", "Girar foto"),
 "Turn left": ("Nach links drehen", "Tourner à gauche", "Girar a la izquierda", "Girar para a esquerda"),
 "Turn right": ("Nach rechts drehen", "Tourner à droite", "Girar a la derecha", "Girar para a direita"),
 "Undo": ("Rückgängig", "Annuler", "Deshacer", "Desfazer"),
 "Undo %1 (Ctrl+Z)": ("%1 rückgängig machen (Strg+Z)", "Annuler : %1 (Ctrl+Z)", "Deshacer: %1 (Ctrl+Z)", "Desfazer: %1 (Ctrl+Z)"),
 "Watch this theme in the browser": ("Dieses Thema im Browser ansehen", "Voir ce thème dans le navigateur", "Ver este tema en el navegador", "Ver este tema no navegador"),
 ", and %1 more": (" und %1 weitere", " et %1 autres", " y %1 más", " e mais %1"),
 "A video is being made": ("Ein Video wird gerade erstellt", "Une vidéo est en cours de création", "Se está creando un vídeo", "Um vídeo está sendo criado"),
 "Back to the Editor": ("Zurück zum Editor", "Retour à l'éditeur", "Volver al editor", "Voltar ao editor"),
 "Delete": ("Löschen", "Supprimer", "Eliminar", "Excluir"),
 "Delete this project?": ("Dieses Projekt löschen?", "Supprimer ce projet ?", "¿Eliminar este proyecto?", "Excluir este projeto?"),
 "Files not added: %1.": ("Nicht hinzugefügte Dateien: %1.", "Fichiers non ajoutés : %1.", "Archivos no añadidos: %1.", "Arquivos não adicionados: %1."),
 "If you quit now, the video stops and the unfinished file is removed. Your project is saved either way.": ("Wenn Sie jetzt beenden, wird das Video abgebrochen und die unfertige Datei entfernt. Ihr Projekt wird in jedem Fall gespeichert.", "Si vous quittez maintenant, la vidéo s'arrête et le fichier inachevé est supprimé. Votre projet est enregistré dans tous les cas.", "Si sales ahora, el vídeo se detiene y se elimina el archivo sin terminar. Tu proyecto se guarda en cualquier caso.", "Se você sair agora, o vídeo para e o arquivo inacabado é removido. Seu projeto é salvo de qualquer forma."),
 "Keep": ("Behalten", "Conserver", "Conservar", "Manter"),
 "Keep Rendering": ("Weiter erstellen", "Continuer la création", "Seguir creando", "Continuar criando"),
 "Music that cannot be played, damaged or holding no sound: %1.": ("Musik, die sich nicht abspielen lässt, beschädigt oder ohne Ton: %1.", "Musique illisible, endommagée ou sans son : %1.", "Música que no se puede reproducir, dañada o sin sonido: %1.", "Música que não pode ser reproduzida, danificada ou sem som: %1."),
 "Neither photos nor music: %1.": ("Weder Fotos noch Musik: %1.", "Ni photos ni musique : %1.", "Ni fotos ni música: %1.", "Nem fotos nem música: %1."),
 "New Slideshow": ("Neue Diashow", "Nouveau diaporama", "Nueva presentación", "Nova apresentação"),
 "Photos that cannot be read, damaged or in a format this system cannot open: %1.": ("Fotos, die sich nicht lesen lassen, beschädigt oder in einem Format, das dieses System nicht öffnen kann: %1.", "Photos illisibles, endommagées ou dans un format que ce système ne sait pas ouvrir : %1.", "Fotos que no se pueden leer, dañadas o en un formato que este sistema no puede abrir: %1.", "Fotos que não podem ser lidas, danificadas ou em um formato que este sistema não abre: %1."),
 "Remove and Make Video": ("Entfernen und Video erstellen", "Retirer et créer la vidéo", "Quitar y crear el vídeo", "Remover e criar o vídeo"),
 "Some files were not added": ("Einige Dateien wurden nicht hinzugefügt", "Certains fichiers n'ont pas été ajoutés", "Algunos archivos no se añadieron", "Alguns arquivos não foram adicionados"),
 "Some photos are missing": ("Einige Fotos fehlen", "Des photos sont introuvables", "Faltan algunas fotos", "Algumas fotos estão faltando"),
 "Something went wrong while the video was made; no file was written.": ("Beim Erstellen des Videos ist etwas schiefgegangen; es wurde keine Datei geschrieben.", "Un problème est survenu pendant la création de la vidéo ; aucun fichier n'a été écrit.", "Algo salió mal al crear el vídeo; no se escribió ningún archivo.", "Algo deu errado ao criar o vídeo; nenhum arquivo foi gravado."),
 "Stop and Quit": ("Abbrechen und beenden", "Arrêter et quitter", "Detener y salir", "Parar e sair"),
 "The video could not be made": ("Das Video konnte nicht erstellt werden", "La vidéo n'a pas pu être créée", "No se pudo crear el vídeo", "Não foi possível criar o vídeo"),
 "These photos were moved or deleted after they were added. Remove them from the project and make the video without them, or go back to the editor.": ("Diese Fotos wurden nach dem Hinzufügen verschoben oder gelöscht. Entfernen Sie sie aus dem Projekt und erstellen Sie das Video ohne sie, oder kehren Sie zum Editor zurück.", "Ces photos ont été déplacées ou supprimées après leur ajout. Retirez-les du projet et créez la vidéo sans elles, ou revenez à l'éditeur.", "Estas fotos se movieron o eliminaron después de añadirlas. Quítalas del proyecto y crea el vídeo sin ellas, o vuelve al editor.", "Estas fotos foram movidas ou excluídas depois de adicionadas. Remova-as do projeto e crie o vídeo sem elas, ou volte ao editor."),
 "“%1” of %2 is deleted for good. The photos and music it uses stay where they are.": ("„%1“ vom %2 wird endgültig gelöscht. Die verwendeten Fotos und die Musik bleiben, wo sie sind.", "« %1 » du %2 sera supprimé définitivement. Les photos et la musique utilisées restent où elles sont.", "«%1» del %2 se eliminará para siempre. Las fotos y la música que usa se quedan donde están.", "“%1” de %2 será excluído para sempre. As fotos e músicas usadas continuam onde estão."),
 "Play": ("Abspielen", "Lire", "Reproducir", "Reproduzir"),
 "Pause": ("Pause", "Pause", "Pausa", "Pausar"),
 "No sound device was found: the preview plays without music.": ("Kein Audiogerät gefunden: Die Vorschau läuft ohne Musik.", "Aucun périphérique audio trouvé : l'aperçu est lu sans musique.", "No se encontró ningún dispositivo de sonido: la vista previa se reproduce sin música.", "Nenhum dispositivo de som encontrado: a prévia é reproduzida sem música."),
 "The sound device cannot play the music: the preview plays without it.": ("Das Audiogerät kann die Musik nicht abspielen: Die Vorschau läuft ohne sie.", "Le périphérique audio ne peut pas lire la musique : l'aperçu est lu sans elle.", "El dispositivo de sonido no puede reproducir la música: la vista previa se reproduce sin ella.", "O dispositivo de som não consegue reproduzir a música: a prévia é reproduzida sem ela."),
 "The sound device cannot be opened: the preview plays without music.": ("Das Audiogerät kann nicht geöffnet werden: Die Vorschau läuft ohne Musik.", "Le périphérique audio ne peut pas être ouvert : l'aperçu est lu sans musique.", "No se puede abrir el dispositivo de sonido: la vista previa se reproduce sin música.", "Não é possível abrir o dispositivo de som: a prévia é reproduzida sem música."),
 "The sound device stopped: the preview plays on without music.": ("Das Audiogerät hat angehalten: Die Vorschau läuft ohne Musik weiter.", "Le périphérique audio s'est arrêté : l'aperçu continue sans musique.", "El dispositivo de sonido se detuvo: la vista previa continúa sin música.", "O dispositivo de som parou: a prévia continua sem música."),
 "The video lasts %1 s; the last %2 s of the music are left out.": ("Das Video dauert %1 s; die letzten %2 s der Musik fallen weg.", "La vidéo dure %1 s ; les dernières %2 s de la musique sont laissées de côté.", "El vídeo dura %1 s; los últimos %2 s de la música quedan fuera.", "O vídeo dura %1 s; os últimos %2 s da música ficam de fora."),
 "Add Background Music": ("Hintergrundmusik hinzufügen", "Ajouter une musique de fond", "Añadir música de fondo", "Adicionar música de fundo"),
 "Open Audio File": ("Audiodatei öffnen", "Ouvrir un fichier audio", "Abrir archivo de audio", "Abrir arquivo de áudio"),
 "or": ("oder", "ou", "o", "ou"),
 "Skip Audio": ("Ohne Musik weiter", "Continuer sans musique", "Continuar sin música", "Continuar sem música"),
 "Back to Themes": ("Zurück zu den Themen", "Retour aux thèmes", "Volver a los temas", "Voltar aos temas"),
 "Open Audio File (%1)": ("Audiodatei öffnen (%1)", "Ouvrir un fichier audio (%1)", "Abrir archivo de audio (%1)", "Abrir arquivo de áudio (%1)"),
 "Your video is ready": ("Ihr Video ist fertig", "Votre vidéo est prête", "Tu vídeo está listo", "Seu vídeo está pronto"),
 "Play Video": ("Video abspielen", "Lire la vidéo", "Reproducir vídeo", "Reproduzir vídeo"),
 "Open Folder containing Video": ("Ordner mit dem Video öffnen", "Ouvrir le dossier de la vidéo", "Abrir la carpeta del vídeo", "Abrir a pasta do vídeo"),
 "Back": ("Zurück", "Retour", "Atrás", "Voltar"),
 "Downloading Theme": ("Thema wird heruntergeladen", "Téléchargement du thème", "Descargando el tema", "Baixando o tema"),
 "Downloading theme's files from internet.": ("Die Dateien des Themas werden aus dem Internet geladen.", "Téléchargement des fichiers du thème depuis Internet.", "Descargando los archivos del tema desde internet.", "Baixando os arquivos do tema da internet."),
 "Depending on your internet connection speed": ("Je nach Geschwindigkeit Ihrer Internetverbindung", "Selon la vitesse de votre connexion Internet", "Según la velocidad de tu conexión a internet", "Dependendo da velocidade da sua conexão"),
 "it can take up to few minutes.": ("kann das einige Minuten dauern.", "cela peut prendre quelques minutes.", "puede tardar unos minutos.", "isso pode levar alguns minutos."),
 "This files will be downloaded only once.": ("Diese Dateien werden nur einmal heruntergeladen.", "Ces fichiers ne sont téléchargés qu'une seule fois.", "Estos archivos se descargan una sola vez.", "Esses arquivos são baixados apenas uma vez."),
 "The theme cannot play its scene %1: the video cannot be made.": ("Das Thema kann seine Szene %1 nicht abspielen: Das Video kann nicht erstellt werden.", "Le thème ne peut pas jouer sa scène %1 : la vidéo ne peut pas être créée.", "El tema no puede reproducir su escena %1: no se puede crear el vídeo.", "O tema não consegue reproduzir a cena %1: o vídeo não pode ser criado."),
 "Add Images": ("Bilder hinzufügen", "Ajouter des images", "Añadir imágenes", "Adicionar imagens"),
 "Add Files": ("Dateien hinzufügen", "Ajouter des fichiers", "Añadir archivos", "Adicionar arquivos"),
 "Add Folder with Images": ("Ordner mit Bildern hinzufügen", "Ajouter un dossier d'images", "Añadir carpeta con imágenes", "Adicionar pasta com imagens"),
 "Add Text Scene": ("Textszene hinzufügen", "Ajouter une scène de texte", "Añadir escena de texto", "Adicionar cena de texto"),
 "Click Add Images to add your photos": ("Klicken Sie auf „Bilder hinzufügen“, um Ihre Fotos hinzuzufügen", "Cliquez sur « Ajouter des images » pour ajouter vos photos", "Haz clic en «Añadir imágenes» para añadir tus fotos", "Clique em “Adicionar imagens” para adicionar suas fotos"),
 "Click Add Text Scene to add titles between slides": ("Klicken Sie auf „Textszene hinzufügen“, um Titel zwischen die Folien zu setzen", "Cliquez sur « Ajouter une scène de texte » pour placer des titres entre les diapositives", "Haz clic en «Añadir escena de texto» para poner títulos entre las diapositivas", "Clique em “Adicionar cena de texto” para pôr títulos entre os slides"),
 "Edit Audio": ("Musik bearbeiten", "Modifier la musique", "Editar música", "Editar música"),
 "Add Audio": ("Musik hinzufügen", "Ajouter de la musique", "Añadir música", "Adicionar música"),
 "Click here to Add Background Music": ("Hier klicken, um Hintergrundmusik hinzuzufügen", "Cliquez ici pour ajouter une musique de fond", "Haz clic aquí para añadir música de fondo", "Clique aqui para adicionar música de fundo"),
 " Audio Files": (" Audiodateien", " fichiers audio", " archivos de audio", " arquivos de áudio"),
 "Audio Files": ("Audiodateien", "fichiers audio", "archivos de audio", "arquivos de áudio"),
 "Done": ("Fertig", "Terminé", "Listo", "Concluir"),
 "Import Image Files (%1)": ("Bilddateien importieren (%1)", "Importer des images (%1)", "Importar imágenes (%1)", "Importar imagens (%1)"),
 "You have too many slides for your audio duration. The images and text slides below will be excluded from final video": ("Sie haben mehr Folien, als die Musik lang ist. Die Bilder und Textfolien darunter kommen nicht ins Video", "Vous avez trop de diapositives pour la durée de la musique. Les images et textes ci-dessous ne seront pas dans la vidéo", "Tienes demasiadas diapositivas para la duración de la música. Las imágenes y textos de abajo no estarán en el vídeo", "Você tem slides demais para a duração da música. As imagens e textos abaixo ficarão fora do vídeo"),
 "Type your text here...": ("Text hier eingeben …", "Saisissez votre texte ici…", "Escribe tu texto aquí...", "Digite seu texto aqui..."),
 "Cancel": ("Abbrechen", "Annuler", "Cancelar", "Cancelar"),
 "OK": ("OK", "OK", "Aceptar", "OK"),
 "Error": ("Fehler", "Erreur", "Error", "Erro"),
 "If this problem persists, please contact our support at ": ("Wenn das Problem bleibt, wenden Sie sich bitte an unseren Support unter ", "Si le problème persiste, contactez notre assistance sur ", "Si el problema continúa, contacta con nuestro soporte en ", "Se o problema continuar, fale com nosso suporte em "),
 "or via email": ("oder per E-Mail", "ou par e-mail", "o por correo electrónico", "ou por e-mail"),
 "Network problem": ("Netzwerkproblem", "Problème de réseau", "Problema de red", "Problema de rede"),
 "We have problem with downloading files from internet.": ("Beim Herunterladen der Dateien ist ein Problem aufgetreten.", "Le téléchargement des fichiers a échoué.", "Ha habido un problema al descargar los archivos.", "Houve um problema ao baixar os arquivos."),
 "Please check your internet connection and try again.": ("Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.", "Vérifiez votre connexion Internet et réessayez.", "Comprueba tu conexión a internet e inténtalo de nuevo.", "Verifique sua conexão com a internet e tente novamente."),
 "Select other": ("Anderes wählen", "Choisir un autre", "Elegir otro", "Escolher outro"),
 "Retry": ("Erneut versuchen", "Réessayer", "Reintentar", "Tentar novamente"),
 "Something seems to have gone wrong during the last Lumavive session. Send us a short message about what is the last thing you did before Lumavive crashed. It helps us fix issues quickly.\nThank you.": (
   "In der letzten Lumavive-Sitzung ist offenbar etwas schiefgegangen. Schreiben Sie uns kurz, was Sie zuletzt getan haben, bevor Lumavive abstürzte. Das hilft uns, Fehler schnell zu beheben.\nVielen Dank.",
   "Un problème semble s'être produit lors de la dernière session de Lumavive. Dites-nous en quelques mots ce que vous faisiez avant que Lumavive ne plante. Cela nous aide à corriger rapidement.\nMerci.",
   "Parece que algo salió mal en la última sesión de Lumavive. Cuéntanos brevemente qué hiciste justo antes de que Lumavive fallara. Nos ayuda a corregir los errores rápidamente.\nGracias.",
   "Parece que algo deu errado na última sessão do Lumavive. Conte-nos brevemente o que você fez antes de o Lumavive travar. Isso nos ajuda a corrigir problemas rapidamente.\nObrigado."),
 "Type your message here...": ("Nachricht hier eingeben …", "Saisissez votre message ici…", "Escribe tu mensaje aquí...", "Digite sua mensagem aqui..."),
 "Don’t ask again": ("Nicht mehr fragen", "Ne plus demander", "No volver a preguntar", "Não perguntar novamente"),
 "Close": ("Schließen", "Fermer", "Cerrar", "Fechar"),
 "Send": ("Senden", "Envoyer", "Enviar", "Enviar"),
 "Warning": ("Warnung", "Avertissement", "Aviso", "Aviso"),
 "Missed image files will be skipped": ("Fehlende Bilddateien werden übersprungen", "Les images manquantes seront ignorées", "Las imágenes que faltan se omitirán", "As imagens ausentes serão ignoradas"),
 "My Recent Projects": ("Meine letzten Projekte", "Mes projets récents", "Mis proyectos recientes", "Meus projetos recentes"),
 "Hide all": ("Alle ausblenden", "Tout masquer", "Ocultar todo", "Ocultar todos"),
 "Show all": ("Alle anzeigen", "Tout afficher", "Mostrar todo", "Mostrar todos"),
 "Resume project": ("Projekt fortsetzen", "Reprendre le projet", "Continuar proyecto", "Retomar projeto"),
 "Delete project": ("Projekt löschen", "Supprimer le projet", "Eliminar proyecto", "Excluir projeto"),
 "... load more": ("… weitere laden", "… en charger plus", "... cargar más", "... carregar mais"),
 "The theme description cannot be read: %1": ("Die Themenbeschreibung kann nicht gelesen werden: %1", "La description du thème est illisible : %1", "No se puede leer la descripción del tema: %1", "Não é possível ler a descrição do tema: %1"),
 "Making Video": ("Video wird erstellt", "Création de la vidéo", "Creando el vídeo", "Criando o vídeo"),
 "The project could not be saved in %1. Check that the disk has free space.": ("Das Projekt konnte nicht in %1 gespeichert werden. Prüfen Sie, ob auf dem Datenträger Platz frei ist.", "Le projet n'a pas pu être enregistré dans %1. Vérifiez qu'il reste de la place sur le disque.", "No se pudo guardar el proyecto en %1. Comprueba que el disco tenga espacio libre.", "Não foi possível salvar o projeto em %1. Verifique se há espaço livre no disco."),
 "Please select another Result Directory. Can't create output file in": ("Bitte wählen Sie einen anderen Zielordner. Die Ausgabedatei kann nicht angelegt werden in", "Veuillez choisir un autre dossier de destination. Impossible de créer le fichier dans", "Elige otra carpeta de destino. No se puede crear el archivo en", "Escolha outra pasta de destino. Não é possível criar o arquivo em"),
 "Video settings": ("Videoeinstellungen", "Réglages de la vidéo", "Ajustes del vídeo", "Configurações do vídeo"),
 "Result Directory": ("Zielordner", "Dossier de destination", "Carpeta de destino", "Pasta de destino"),
 "Change": ("Ändern", "Modifier", "Cambiar", "Alterar"),
 "Video Quality": ("Videoqualität", "Qualité vidéo", "Calidad del vídeo", "Qualidade do vídeo"),
 "HD (1280x720)": ("HD (1280x720)", "HD (1280x720)", "HD (1280x720)", "HD (1280x720)"),
 "Full HD (1920x1080)": ("Full HD (1920x1080)", "Full HD (1920x1080)", "Full HD (1920x1080)", "Full HD (1920x1080)"),
 "MAKE MOVIE": ("VIDEO ERSTELLEN", "CRÉER LA VIDÉO", "CREAR VÍDEO", "CRIAR VÍDEO"),
 "Start": ("Start", "Commencer", "Empezar", "Começar"),
 "Preview": ("Vorschau", "Aperçu", "Vista previa", "Prévia"),
 "Select Theme": ("Thema wählen", "Choisir un thème", "Elige un tema", "Escolha um tema"),
 "Subscribe for new Themes and Updates": ("Abonnieren Sie neue Themen und Neuigkeiten", "Abonnez-vous aux nouveaux thèmes et nouveautés", "Suscríbete para recibir temas nuevos y novedades", "Assine para receber novos temas e novidades"),
 "Facebook": ("Facebook", "Facebook", "Facebook", "Facebook"),
 "Subscribe": ("Abonnieren", "S'abonner", "Suscribirse", "Assinar"),
 "The theme cannot be used: its description is missing or cannot be read.": ("Das Thema kann nicht verwendet werden: Seine Beschreibung fehlt oder ist nicht lesbar.", "Le thème ne peut pas être utilisé : sa description manque ou est illisible.", "No se puede usar el tema: su descripción falta o no se puede leer.", "O tema não pode ser usado: sua descrição está ausente ou ilegível."),
 "There is nothing to put into a video: the project has no slides.": ("Es gibt nichts für ein Video: Das Projekt hat keine Folien.", "Il n'y a rien à mettre dans une vidéo : le projet n'a aucune diapositive.", "No hay nada que poner en un vídeo: el proyecto no tiene diapositivas.", "Não há nada para pôr num vídeo: o projeto não tem slides."),
 "The video file disappeared while it was being written: %1": ("Die Videodatei ist beim Schreiben verschwunden: %1", "Le fichier vidéo a disparu pendant son écriture : %1", "El archivo de vídeo desapareció mientras se escribía: %1", "O arquivo de vídeo desapareceu enquanto era gravado: %1"),
 "The theme's background cannot be played: %1": ("Der Hintergrund des Themas kann nicht abgespielt werden: %1", "L'arrière-plan du thème ne peut pas être lu : %1", "No se puede reproducir el fondo del tema: %1", "O fundo do tema não pode ser reproduzido: %1"),
 "The saved project cannot be read: %1": ("Das gespeicherte Projekt kann nicht gelesen werden: %1", "Le projet enregistré ne peut pas être lu : %1", "No se puede leer el proyecto guardado: %1", "O projeto salvo não pode ser lido: %1"),
 "(no copy could be made)": ("(es konnte keine Kopie angelegt werden)", "(aucune copie n'a pu être faite)", "(no se pudo hacer ninguna copia)", "(não foi possível fazer uma cópia)"),
 "The saved project was damaged; what could be read is open. The damaged file is kept as %1": ("Das gespeicherte Projekt war beschädigt; geöffnet ist, was gelesen werden konnte. Die beschädigte Datei bleibt erhalten als %1", "Le projet enregistré était endommagé ; ce qui a pu être lu est ouvert. Le fichier endommagé est conservé sous %1", "El proyecto guardado estaba dañado; está abierto lo que se pudo leer. El archivo dañado se conserva como %1", "O projeto salvo estava danificado; o que pôde ser lido está aberto. O arquivo danificado é mantido como %1"),
 "The photo cannot be read, its place in the video stays empty: %1": ("Das Foto kann nicht gelesen werden, sein Platz im Video bleibt leer: %1", "La photo ne peut pas être lue, sa place dans la vidéo reste vide : %1", "No se puede leer la foto; su lugar en el vídeo queda vacío: %1", "A foto não pode ser lida; seu lugar no vídeo fica vazio: %1"),
}
T.update({
 'The music file %1 cannot be played. Check that it is still there, or choose another track.': ('Die Musikdatei %1 kann nicht abgespielt werden. Prüfen Sie, ob sie noch vorhanden ist, oder wählen Sie ein anderes Stück.', "Le fichier de musique %1 ne peut pas être lu. Vérifiez qu'il existe toujours, ou choisissez un autre morceau.", 'No se puede reproducir el archivo de música %1. Compruebe que sigue ahí o elija otra pista.', 'Não é possível tocar o arquivo de música %1. Verifique se ele ainda existe ou escolha outra faixa.'),
 "The theme's background video %1 cannot be played. Download the theme again, or choose another theme.": ('Das Hintergrundvideo %1 des Themas kann nicht abgespielt werden. Laden Sie das Thema erneut herunter oder wählen Sie ein anderes Thema.', "La vidéo d'arrière-plan %1 du thème ne peut pas être lue. Téléchargez de nouveau le thème, ou choisissez-en un autre.", 'No se puede reproducir el vídeo de fondo %1 del tema. Descargue el tema de nuevo o elija otro tema.', 'Não é possível reproduzir o vídeo de fundo %1 do tema. Baixe o tema novamente ou escolha outro tema.'),
 'the file holds no sound': ('die Datei enthält keinen Ton', 'le fichier ne contient pas de son', 'el archivo no contiene sonido', 'o arquivo não contém som'),
 'the file holds no pictures': ('die Datei enthält keine Bilder', "le fichier ne contient pas d'images", 'el archivo no contiene imágenes', 'o arquivo não contém imagens'),
 '%1\nThe system said: %2.': ('%1\nDas System meldete: %2.', '%1\nLe système a répondu : %2.', '%1\nEl sistema indicó: %2.', '%1\nO sistema informou: %2.'),
 'The file %1 holds no music that can be played. Choose another track.': ('Die Datei %1 enthält keine abspielbare Musik. Wählen Sie ein anderes Stück.', 'Le fichier %1 ne contient pas de musique lisible. Choisissez un autre morceau.', 'El archivo %1 no contiene música reproducible. Elija otra pista.', 'O arquivo %1 não contém música que possa ser tocada. Escolha outra faixa.'),
 "The theme's background %1 cannot be played, so the video cannot be made. Download the theme again, or choose another theme.": ('Der Hintergrund %1 des Themas kann nicht abgespielt werden, daher kann das Video nicht erstellt werden. Laden Sie das Thema erneut herunter oder wählen Sie ein anderes Thema.', "L'arrière-plan %1 du thème ne peut pas être lu, la vidéo ne peut donc pas être créée. Téléchargez de nouveau le thème, ou choisissez-en un autre.", 'No se puede reproducir el fondo %1 del tema, así que no se puede crear el vídeo. Descargue el tema de nuevo o elija otro tema.', 'Não é possível reproduzir o fundo %1 do tema, por isso o vídeo não pode ser criado. Baixe o tema novamente ou escolha outro tema.'),
 'The video leaves a place empty for each photo that cannot be read. Check that these files are still there, or take them out of the slideshow:\n%1': ('Für jedes Foto, das nicht gelesen werden kann, bleibt im Video ein Platz leer. Prüfen Sie, ob diese Dateien noch vorhanden sind, oder nehmen Sie sie aus der Diashow:\n%1', 'La vidéo laisse une place vide pour chaque photo illisible. Vérifiez que ces fichiers existent toujours, ou retirez-les du diaporama :\n%1', 'El vídeo deja un hueco vacío por cada foto que no se puede leer. Compruebe que estos archivos siguen ahí o quítelos de la presentación:\n%1', 'O vídeo deixa um espaço vazio para cada foto que não pode ser lida. Verifique se estes arquivos ainda existem ou retire-os da apresentação:\n%1'),
 'The sound device stopped taking the music: the preview plays on without it.': ('Das Audiogerät nimmt keine Musik mehr an: Die Vorschau läuft ohne sie weiter.', "Le périphérique audio n'accepte plus la musique : l'aperçu continue sans elle.", 'El dispositivo de sonido dejó de aceptar la música: la vista previa continúa sin ella.', 'O dispositivo de som parou de aceitar a música: a prévia continua sem ela.'),
 'The video could not be written to %1. Check that the disk has free space and that the folder can be written to, then make the video again.': ('Das Video konnte nicht nach %1 geschrieben werden. Prüfen Sie, ob auf dem Datenträger Platz frei ist und der Ordner beschreibbar ist, und erstellen Sie das Video dann erneut.', "La vidéo n'a pas pu être écrite dans %1. Vérifiez que le disque a de la place et que le dossier est accessible en écriture, puis créez de nouveau la vidéo.", 'No se pudo escribir el vídeo en %1. Compruebe que el disco tiene espacio libre y que se puede escribir en la carpeta, y vuelva a crear el vídeo.', 'Não foi possível gravar o vídeo em %1. Verifique se o disco tem espaço livre e se a pasta permite gravação, depois crie o vídeo novamente.'),
})
T.update({
 "%1 s a photo": ("%1 s pro Foto", "%1 s par photo", "%1 s por foto", "%1 s por foto"),
 "Change Pace": ("Tempo ändern", "Changement de rythme", "Cambiar ritmo", "Alterar ritmo"),
 "Fit to Music": ("An die Musik anpassen", "Ajustement à la musique", "Ajustar a la música", "Ajustar à música"),
 "Fit to music": ("An die Musik anpassen", "Ajuster à la musique", "Ajustar a la música", "Ajustar à música"),
 "Pace: %1": ("Tempo: %1", "Rythme : %1", "Ritmo: %1", "Ritmo: %1"),
 "Stop Fitting to Music": ("Nicht mehr an die Musik anpassen", "Fin de l'ajustement à la musique", "Dejar de ajustar a la música", "Parar de ajustar à música"),
 "The theme's pace": ("Tempo des Themas", "Rythme du thème", "Ritmo del tema", "Ritmo do tema"),
})

# Texts with a count ("%n ..."): the singular and the plural form of each language.
T.update({
 "%n Audio Files": (("%n Audiodatei", "%n Audiodateien"), ("%n fichier audio", "%n fichiers audio"), ("%n archivo de audio", "%n archivos de audio"), ("%n arquivo de áudio", "%n arquivos de áudio")),
})

T.update({
 "Cut on the beat": ("Im Takt schneiden", "Couper sur le temps", "Cortar al ritmo", "Cortar na batida"),
 "Cut on the Beat": ("Im Takt schneiden", "Coupe sur le temps", "Cortar al ritmo", "Cortar na batida"),
 "Stop Cutting on the Beat": ("Nicht mehr im Takt schneiden", "Fin des coupes sur le temps", "Dejar de cortar al ritmo", "Parar de cortar na batida"),
 "Finding the beat of the music…": ("Der Takt der Musik wird gesucht…", "Recherche du rythme de la musique…", "Buscando el ritmo de la música…", "Procurando a batida da música…"),
 "Finding the beat of “%1”: %2 %": ("Takt von „%1“ wird gesucht: %2 %", "Recherche du rythme de « %1 » : %2 %", "Buscando el ritmo de «%1»: %2 %", "Procurando a batida de “%1”: %2 %"),
 "No beat was found in %1, so its scenes are not cut on the beat.": ("In %1 wurde kein Takt gefunden, daher werden seine Szenen nicht im Takt geschnitten.", "Aucun rythme trouvé dans %1 : ses scènes ne sont donc pas coupées sur le temps.", "No se encontró ritmo en %1, así que sus escenas no se cortan al ritmo.", "Nenhuma batida encontrada em %1, então suas cenas não são cortadas na batida."),
})

LANGS = {"de": 0, "fr": 1, "es": 2, "pt": 3}
LANGUAGE_NAMES = {"de": "de_DE", "fr": "fr_FR", "es": "es_ES", "pt": "pt_BR"}

here = os.path.dirname(os.path.abspath(__file__))
missing = set()
for lang, column in LANGS.items():
    path = os.path.join(here, lang + ".ts")
    tree = ET.parse(path)
    root = tree.getroot()
    root.set("language", LANGUAGE_NAMES[lang])
    for message in root.iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        if source in T and message.get("numerus") == "yes":
            for form in list(translation):
                translation.remove(form)
            translation.text = None
            for text in T[source][column]:
                ET.SubElement(translation, "numerusform").text = text
            translation.attrib.pop("type", None)
        elif source in T:
            translation.text = T[source][column]
            translation.attrib.pop("type", None)
        else:
            missing.add(source)
    tree.write(path, encoding="utf-8", xml_declaration=True)
for source in sorted(missing):
    print("no translation for:", source)
