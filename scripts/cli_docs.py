#!/usr/bin/python3
"""Builds chemeng-cli's bash completion and the COMMANDS section of its manual
page from the program's own --help, so that both follow the commands as they
are built.

    cli_docs.py completion PROGRAM OUTPUT     bash completion script
    cli_docs.py man-commands PROGRAM OUTPUT   help2man include file

PROGRAM is the built chemeng-cli. The help is CLI11's layout: a description,
"Usage: ...", then sections ("Options:", "Positionals:", "Subcommands:") of
entries indented by two blanks, each a name with its value type, an optional
":{a,b,c}" set of allowed values and a description, which may continue on
lines indented further.
"""

import re
import subprocess
import sys
from dataclasses import dataclass, field

# The positional that names a compound: its command's own name is the page
# whose compound list completes it (`chemeng-cli compounds --page NAME`).
COMPOUND_POSITIONAL = "compound"


@dataclass
class Entry:
    names: list  # "-h", "--help"; or the positional's or subcommand's name
    takes_value: bool
    choices: list
    description: str


@dataclass
class Command:
    path: list  # words after the program's name
    description: str = ""
    usage: str = ""
    options: list = field(default_factory=list)
    positionals: list = field(default_factory=list)
    subcommands: list = field(default_factory=list)  # Command


def run_help(program, path):
    result = subprocess.run([program, *path, "--help"], capture_output=True, text=True,
                            check=False)
    if result.returncode != 0:
        sys.exit(f"cli_docs: '{' '.join([program, *path])} --help' exited "
                 f"{result.returncode}: {result.stderr.strip()}")
    return result.stdout


def parse_entry(head, description):
    """One entry's first column: '-h,--help', '--unit TEXT:{C,F,K} Needs: ...',
    'compound TEXT REQUIRED' or a subcommand's name."""
    tokens = head.split()
    names = tokens[0].split(",")
    takes_value = len(tokens) > 1 and re.match(r"^[A-Z]+", tokens[1]) is not None
    choices = []
    if takes_value:
        found = re.search(r":\{([^}]*)\}", tokens[1])
        if found:
            choices = found.group(1).split(",")
    return Entry(names, takes_value, choices, description)


# Options whose help names their values in words ("...: C, F or K (default C)")
# rather than as a CLI11 set.
WORDED_CHOICES = re.compile(r"^--([a-z]+-)?(unit|system|phase|basis|format|formulation)$")


def choices_in_words(entry):
    """The values listed after the last colon of an option's description, with
    notes in parentheses left out: 'kPa (default), bar, mmHg' gives kPa, bar,
    mmHg. Only for the options that name units and similar choices."""
    if not any(WORDED_CHOICES.match(name) for name in entry.names):
        return []
    listed = entry.description.rpartition(":")[2]
    listed = re.sub(r"\([^)]*\)", " ", listed)
    words = [w.strip() for w in re.split(r",|\bor\b", listed)]
    if not words or not all(re.fullmatch(r"[A-Za-z0-9]{1,12}", w) for w in words):
        return []
    return words


def parse_help(text, path):
    command = Command(path)
    section = None
    entries = {"Options": [], "Positionals": [], "Subcommands": []}
    description = []
    for line in text.splitlines():
        if line.startswith("Usage:"):
            command.usage = line[len("Usage:"):].strip()
            section = "after-usage"
            continue
        if section is None:
            description.append(line.strip())
            continue
        heading = re.match(r"^(\w+):$", line)
        if heading:
            section = heading.group(1)
            continue
        if section not in entries or not line.strip():
            continue
        if line.startswith("  ") and not line.startswith("   "):
            # Name and description are split by a run of at least two blanks;
            # a long name pushes the description onto the next line.
            head, _, rest = line.strip().partition("  ")
            entries[section].append(parse_entry(head, rest.strip()))
        elif entries[section]:
            last = entries[section][-1]
            last.description = (last.description + " " + line.strip()).strip()
    command.description = " ".join(d for d in description if d)
    for entry in entries["Options"]:
        if entry.takes_value and not entry.choices:
            entry.choices = choices_in_words(entry)
    command.options = entries["Options"]
    command.positionals = entries["Positionals"]
    command.subcommands = [Command(path + [e.names[0]], e.description)
                           for e in entries["Subcommands"]]
    return command


def read_tree(program, path=None):
    path = path or []
    command = parse_help(run_help(program, path), path)
    command.subcommands = [read_tree(program, sub.path) for sub in command.subcommands]
    return command


def walk(command):
    yield command
    for sub in command.subcommands:
        yield from walk(sub)


# --- bash completion -------------------------------------------------------

def shell_words(words):
    return " ".join(words)


def completion_script(root):
    """A table per command path, read by one generic completion function."""
    cases = []
    for command in walk(root):
        key = " ".join(command.path)
        # Options of the commands above stay valid below them (CLI11 falls
        # through to its parents), except their help and version flags.
        inherited = []
        for ancestor in walk(root):
            if ancestor.path == command.path[:len(ancestor.path)] and ancestor is not command:
                inherited += [o for o in ancestor.options
                              if not {"-h", "--help", "--version"} & set(o.names)]
        options = command.options + inherited
        flags = [n for o in options for n in o.names if n.startswith("--")]
        valued = [n for o in options if o.takes_value for n in o.names]
        subs = [s.path[-1] for s in command.subcommands]
        positional = command.positionals[0].names[0] if command.positionals else ""
        lines = [f'        "{key}")',
                 f'            options="{shell_words(flags)}"',
                 f'            valued="{shell_words(valued)}"',
                 f'            subcommands="{shell_words(subs)}"',
                 f'            positional="{positional}"',
                 '            case "$prev" in']
        for option in options:
            if option.choices:
                pattern = "|".join(option.names)
                lines.append(f'                {pattern}) choices="{shell_words(option.choices)}" ;;')
        lines += ['            esac', '            ;;']
        cases.append("\n".join(lines))
    return COMPLETION_TEMPLATE.replace("@CASES@", "\n".join(cases)).replace(
        "@COMPOUND@", COMPOUND_POSITIONAL)


COMPLETION_TEMPLATE = r'''# bash completion for chemeng-cli. Generated at build time from the
# program's --help; compound names come from the program's own data files
# (chemeng-cli compounds --page PAGE), so they are the names it accepts.

_chemeng_cli_compounds() {
    # $1: the page; $2: what has been typed. Case is ignored, as chemeng-cli
    # ignores it; names with blanks or brackets come back escaped.
    local page=$1 typed=$2 name
    typed=${typed//\\/}
    typed=${typed#[\"\']}
    typed=${typed,,}
    while IFS=$'\t' read -r name _; do
        name=${name%"${name##*[![:space:]]}"}
        [[ ${name,,} == "$typed"* ]] && COMPREPLY+=("$(printf '%q' "$name")")
    done < <("${COMP_WORDS[0]}" compounds --page "$page" 2>/dev/null)
}

_chemeng_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local path="" word i options valued subcommands positional choices="" expecting=""
    COMPREPLY=()

    # Follow the subcommands typed so far; values of options are skipped.
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        _chemeng_cli_table "$path"
        if [[ -n $expecting ]]; then
            expecting=""
        elif [[ " $valued " == *" $word "* ]]; then
            expecting=1
        elif [[ $word != -* && " $subcommands " == *" $word "* ]]; then
            path=${path:+$path }$word
        fi
    done
    _chemeng_cli_table "$path"

    if [[ -n $choices ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$choices" -- "$cur")
    elif [[ " $valued " == *" $prev "* ]]; then
        return 0  # a number or a text of the user's own
    elif [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    elif [[ -n $subcommands ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$subcommands" -- "$cur")
    elif [[ $positional == @COMPOUND@ ]]; then
        _chemeng_cli_compounds "${path##* }" "$cur"
    elif [[ $positional == file ]]; then
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
}

# Sets options, valued, subcommands, positional (and choices, for $prev)
# for the command path $1.
_chemeng_cli_table() {
    options="" valued="" subcommands="" positional="" choices=""
    case "$1" in
@CASES@
    esac
}

complete -F _chemeng_cli chemeng-cli
'''


# --- manual page -----------------------------------------------------------

def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


def man_commands(root):
    out = ["[COMMANDS]",
           "Each command has its own \\fB\\-\\-help\\fR. The options of chemeng\\-cli "
           "itself (\\fB\\-\\-json\\fR) may follow the command."]
    for command in walk(root):
        if not command.path or command.subcommands:
            continue
        out.append(f'.SS "{roff("chemeng-cli " + " ".join(command.path))}"')
        out.append(roff(command.description))
        out.append(".PP")
        out.append(f"Usage: {roff(command.usage)}")
        for entry in command.positionals + command.options:
            if "--help" in entry.names:
                continue
            name = ", ".join(f"\\fB{roff(n)}\\fR" for n in entry.names)
            if entry.choices:
                name += " " + roff("|".join(entry.choices))
            elif entry.takes_value and entry.names[0].startswith("-"):
                name += " \\fIVALUE\\fR"
            out += [".TP", name, roff(entry.description)]
    return "\n".join(out) + "\n"


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("completion", "man-commands"):
        sys.exit(__doc__)
    mode, program, output = sys.argv[1:]
    root = read_tree(program)
    text = completion_script(root) if mode == "completion" else man_commands(root)
    with open(output, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
