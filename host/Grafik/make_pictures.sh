#!/usr/bin/env bash
# Draws the category pictures BST_*.GIF (55 x 40 pixels): a building block in the colour
# of the category's group with the letters the category practises. Needs ImageMagick and
# fonts-liberation2. The GIFs are kept in the repository; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
font=$(fc-match -f '%{file}' 'Liberation Sans:bold')

# name | group colour | label
while IFS='|' read -r name farbe text; do
    [ -z "$name" ] && continue
    convert -size 55x40 xc:none \
        -fill "$farbe" -stroke '#333333' -strokewidth 1.5 -draw 'roundrectangle 1,5 53,38 7,7' \
        -fill "$farbe" -draw 'roundrectangle 9,1 19,7 2,2' -draw 'roundrectangle 35,1 45,7 2,2' \
        -stroke none -fill white -font "$font" -pointsize 15 -gravity center \
        -annotate +0+4 "$text" "$name"
done <<'LISTE'
BST_LIE.GIF|#e8543f|ie
BST_LII.GIF|#e8543f|ih
BST_LIK.GIF|#e8543f|i
BST_DHA.GIF|#e8543f|ah
BST_DHE.GIF|#e8543f|eh
BST_DHO.GIF|#e8543f|oh
BST_DVA.GIF|#e8543f|aa
BST_DVE.GIF|#e8543f|ee
BST_DVO.GIF|#e8543f|oo
BST_DKL.GIF|#f08a24|ll
BST_DKM.GIF|#f08a24|mm
BST_DKN.GIF|#f08a24|nn
BST_DKR.GIF|#f08a24|rr
BST_DKT.GIF|#f08a24|tt
BST_DKF.GIF|#f08a24|ff
BST_DKP.GIF|#f08a24|pp
BST_CK_.GIF|#d4a017|ck
BST_TZ_.GIF|#d4a017|tz
BST_KZN.GIF|#d4a017|nk
BST_SS_.GIF|#3c9d4e|ss
BST_SZ_.GIF|#3c9d4e|ß
BST_SEI.GIF|#3c9d4e|s
BST_DAS.GIF|#3c9d4e|dass
BST_STS.GIF|#3c9d4e|st sp
BST_AEA.GIF|#1f9e9a|ä e
BST_AEU.GIF|#1f9e9a|äu
BST_AUB.GIF|#2f7fd0|-b -p
BST_AUD.GIF|#2f7fd0|-d -t
BST_AUG.GIF|#2f7fd0|-g -k
BST_VF_.GIF|#5a5bd6|v f
BST_VW_.GIF|#5a5bd6|v w
BST_PF_.GIF|#5a5bd6|pf
BST_EIA.GIF|#8e4cc9|ai
BST_NGN.GIF|#8e4cc9|ng
BST_CHS.GIF|#8e4cc9|chs
BST_QU_.GIF|#8e4cc9|qu
BST_IGI.GIF|#8e4cc9|-ig
BST_ERA.GIF|#8e4cc9|-er
BST_VER.GIF|#c2448f|ver
BST_ENT.GIF|#c2448f|ent
BST_ANB.GIF|#7a8a2e|b p
BST_AND.GIF|#7a8a2e|d t
BST_ANG.GIF|#7a8a2e|g k
BST_OEU.GIF|#7a8a2e|ö ü
BST_EII.GIF|#7a8a2e|ei ie
BST_GKM.GIF|#b03a2e|A a
BST_YPS.GIF|#6b6b6b|y
BST_TH_.GIF|#6b6b6b|th
BST_CKA.GIF|#6b6b6b|c k
LISTE
