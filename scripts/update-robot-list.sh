#!/usr/bin/env bash
# Refreshes robots/ from the crawler-user-agents package on the npm registry:
#   scripts/update-robot-list.sh [VERSION]        (default: the newest)
# Writes robots/robot-patterns.txt (one regular expression a line) and robots/LICENSE.
# Only this script needs the network; the build and the tests use the files it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."
version="${1:-latest}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "crawler-user-agents@$version" >/dev/null && tar xzf crawler-user-agents-*.tgz)
node - "$work/package" robots/robot-patterns.txt <<'JS'
const fs = require('fs');
const [dir, out] = process.argv.slice(2);
const meta = JSON.parse(fs.readFileSync(`${dir}/package.json`, 'utf8'));
const list = JSON.parse(fs.readFileSync(`${dir}/crawler-user-agents.json`, 'utf8'));
const patterns = list.map((entry) => entry.pattern);
if (patterns.some((p) => typeof p !== 'string' || p === '' || /[\r\n]/.test(p)))
  throw new Error('a pattern is empty or spans lines');
const head = [
  `# crawler-user-agents ${meta.version}, ${meta.license} licence (see LICENSE beside this file).`,
  `# ${patterns.length} regular expressions, one a line, each searched for anywhere in a user agent,`,
  '# case-sensitively. Made by scripts/update-robot-list.sh; do not edit by hand.',
];
fs.writeFileSync(out, head.concat(patterns).join('\n') + '\n');
JS
cp "$work/package/LICENSE" robots/LICENSE
echo "robots/robot-patterns.txt: $(grep -vc '^#' robots/robot-patterns.txt) patterns"
