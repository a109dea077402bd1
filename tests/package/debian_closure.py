"""Which installed Debian packages a dependency field brings in, and who owns a file.

Used to check that the files a running program opens come from packages that installing
its .deb would pull in, so that the package also runs on a fresh system.
"""
import re
import subprocess


def _clauses(field):
    """'a (>= 1) | b, c:any' -> [['a', 'b'], ['c']]"""
    result = []
    for clause in filter(None, (c.strip() for c in field.split(","))):
        names = [re.split(r"[\s(:]", alt.strip(), maxsplit=1)[0] for alt in clause.split("|")]
        result.append([n for n in names if n])
    return result


def installed_packages():
    """name -> {'depends': [[alternatives]], 'essential': bool}, and virtual name -> providers."""
    out = subprocess.run(
        ["dpkg-query", "-W", "-f",
         "${Package}\t${Status}\t${Essential}\t${Provides}\t${Pre-Depends}, ${Depends}\n"],
        check=True, capture_output=True, text=True).stdout
    packages, providers = {}, {}
    for line in out.splitlines():
        name, status, essential, provides, depends = line.split("\t")
        if not status.endswith(" installed"):
            continue
        packages[name] = {"depends": _clauses(depends), "essential": essential == "yes"}
        for virtual in _clauses(provides):
            providers.setdefault(virtual[0], set()).add(name)
    return packages, providers


def closure(depends_field):
    """Every installed package that the field, or an essential package, brings in.

    Of the alternatives of a clause only the first installed one counts, as apt would keep
    it: a package that only a later alternative names is not brought in."""
    packages, providers = installed_packages()

    def real(name):
        return ({name} if name in packages else set()) | providers.get(name, set())

    def chosen(clauses):
        result = []
        for clause in clauses:
            installed = [min(real(alt)) for alt in clause if real(alt)]
            result += installed[:1]
        return result

    todo = chosen(_clauses(depends_field))
    todo += [name for name, p in packages.items() if p["essential"]]
    seen = set()
    while todo:
        name = todo.pop()
        if name in seen:
            continue
        seen.add(name)
        todo += chosen(packages[name]["depends"])
    return seen


def owners(paths):
    """path -> the packages that own it (empty if none). With merged /usr, dpkg may know a
    file under /lib or /bin that the program opened under /usr/lib or /usr/bin."""
    aliases = {}
    for path in paths:
        aliases[path] = path
        if path.startswith("/usr/") and path.split("/")[2] in ("lib", "lib64", "bin", "sbin"):
            aliases[path[len("/usr"):]] = path
    # One call for all; dpkg-query exits 1 when some path has no owner, which is allowed.
    out = subprocess.run(["dpkg-query", "-S", *aliases], capture_output=True, text=True).stdout
    result = {path: set() for path in paths}
    for line in out.splitlines():
        if line.startswith("diversion by "):
            continue
        names, owned = line.rsplit(": ", 1)
        if owned in aliases:
            result[aliases[owned]] |= {n.strip().split(":")[0] for n in names.split(",")}
    return result
