#!/usr/bin/env bash
# The arrows between folders run one way: the model and the computer player read the game state and
# reach the frame only through their services records, never by including the layers above them.
set -euo pipefail
cd "$(dirname "$0")/.."
hits=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](flow|shell|dialogs|windows|match|audio|app)/' \
         model computer || true)
if [ -n "$hits" ]; then
  echo "Layering: model/ and computer/ include a layer above them:"
  echo "$hits"
  exit 1
fi
echo "Layering: model/ and computer/ include no layer above them."
