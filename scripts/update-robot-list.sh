#!/usr/bin/env bash
# Refreshes robots/ from the crawler-user-agents package on the npm registry:
#   scripts/update-robot-list.sh [VERSION]        (default: the newest)
# Writes robots/robot-patterns.txt (one regular expression a line, then a tab and the list's tags
# of it, separated by commas) and robots/LICENSE.
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
if (patterns.some((p) => typeof p !== 'string' || p === '' || /[\r\n\t]/.test(p)))
  throw new Error('a pattern is empty, spans lines or holds a tab');
const tags = list.map((entry) => entry.tags || []);
if (tags.some((t) => !Array.isArray(t) || t.some((tag) => typeof tag !== 'string' || /[\s,]/.test(tag))))
  throw new Error('a tag is no single word');
const head = [
  `# crawler-user-agents ${meta.version}, ${meta.license} licence (see LICENSE beside this file).`,
  `# ${patterns.length} regular expressions, one a line, each searched for anywhere in a user agent,`,
  '# case-sensitively; after a tab, the list\'s tags of it, separated by commas ("http-library":',
  '# download tools and HTTP libraries). Made by scripts/update-robot-list.sh; do not edit by hand.',
];
const lines = patterns.map((p, i) => (tags[i].length > 0 ? `${p}\t${tags[i].join(',')}` : p));
fs.writeFileSync(out, head.concat(lines).join('\n') + '\n');
JS
cp "$work/package/LICENSE" robots/LICENSE
echo "robots/robot-patterns.txt: $(grep -vc '^#' robots/robot-patterns.txt) patterns"
