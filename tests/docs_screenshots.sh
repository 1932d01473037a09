# Sourced by the window tests, which save the window as the README shows it,
# under the name of its image in docs/. unlike_docs SHOT DOCS_FOLDER prints
# how many pixels of SHOT differ from that image, or why the two cannot be
# compared. The help line's first row is left out: there a search counts
# the folders it has read, never the same number twice. The search root is
# compared: the tests' own is always the same folder. So is LabelPfad, but
# for its end under the transparent Label20, which Wine 8 paints over with
# Label20's rectangle and Wine 10 lets show through.
unlike_docs() {
  local mask=(-fill black -draw 'rectangle 8,168 688,184' -draw 'rectangle 85,128 104,145')
  local folder result
  folder=$(mktemp -d)
  result=$(convert "$1" "${mask[@]}" "$folder/shot.png" 2>&1 &&
    convert "$2/$(basename "$1")" "${mask[@]}" "$folder/docs.png" 2>&1 &&
    compare -metric AE "$folder/shot.png" "$folder/docs.png" null: 2>&1) || true
  rm -rf "$folder"
  echo "${result%%$'\n'*}"
}
