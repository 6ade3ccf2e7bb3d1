#!/usr/bin/env python3
"""Makes the Windows installer (.msi, per machine, for school IT) and the portable .zip from a
folder that `cmake --install` filled. Both come out the same, byte for byte, from the same folder:
every time stamp is the release's, and every identifier is derived from the version and the files.
   make_packages.py STAGE VERSION EPOCH ICON OUTDIR
Needs wixl and msibuild (msitools) and faketime. The dialogs are in installer_ui.py.
"""
import hashlib
import os
import subprocess
import sys
import tempfile
import uuid
import zipfile
from xml.sax.saxutils import quoteattr

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import installer_ui  # noqa: E402

# Never changes: it is how Windows Installer knows that a newer Quorvel replaces an older one.
UPGRADE_CODE = "9B894963-7E17-43B2-9ECD-8C2CE0FAD12D"
MANUFACTURER = "Quorvel developers"
NAMESPACE = uuid.UUID(UPGRADE_CODE)


def staged_files(stage):
    files = []
    for folder, _, names in os.walk(stage):
        for name in names:
            files.append(os.path.relpath(os.path.join(folder, name), stage))
    return sorted(files, key=lambda path: path.replace(os.sep, "/"))


def identifier(prefix, path):
    # An MSI identifier: letters, digits, dots and underscores, at most 72 characters.
    digest = hashlib.sha1(path.encode()).hexdigest()[:12]
    return f"{prefix}_{digest}"


def wxs(stage, version, icon, files):
    product_code = str(uuid.uuid5(NAMESPACE, "product " + version)).upper()
    folders = {}
    for path in files:
        folders.setdefault(os.path.dirname(path), []).append(path)

    def directory(relative, indent):
        lines = []
        for path in folders.get(relative, []):
            component = identifier("c", path)
            keypath = 'KeyPath="yes"'
            lines.append(f'{indent}<Component Id="{component}" Guid="*" Win64="yes">')
            lines.append(f'{indent}  <File Id="{identifier("f", path)}" '
                         f'Source={quoteattr(os.path.join(stage, path))} {keypath}/>')
            lines.append(f"{indent}</Component>")
        children = sorted(f for f in folders if f and os.path.dirname(f) == relative)
        for child in children:
            lines.append(f'{indent}<Directory Id="{identifier("d", child)}" '
                         f'Name={quoteattr(os.path.basename(child))}>')
            lines.extend(directory(child, indent + "  "))
            lines.append(f"{indent}</Directory>")
        return lines

    # Every folder on the way to a file counts, so that a folder holding only folders appears.
    for path in list(folders):
        while path:
            path = os.path.dirname(path)
            folders.setdefault(path, [])
    components = [identifier("c", path) for path in files]
    refs = "\n".join(f'      <ComponentRef Id="{c}"/>' for c in components)
    body = "\n".join(directory("", "          "))
    guides = identifier("d", "guides")
    ui_properties = "\n".join(f'    <Property Id="{name}" Value={quoteattr(value)}/>'
                               for name, value in installer_ui.PROPERTIES.items())
    return f"""<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="{product_code}" Name="Quorvel" Language="1033" Version="{version}"
           Manufacturer="{MANUFACTURER}" UpgradeCode="{UPGRADE_CODE}">
    <Package InstallerVersion="500" Compressed="yes" InstallScope="perMachine"
             Description="Quorvel {version}" Comments="Which minerals does a plant need to grow?"/>
    <MajorUpgrade DowngradeErrorMessage="A newer version of Quorvel is already installed."/>
    <Media Id="1" Cabinet="quorvel.cab" EmbedCab="yes"/>
    <Icon Id="quorvel.ico" SourceFile={quoteattr(icon)}/>
    <Property Id="ARPPRODUCTICON" Value="quorvel.ico"/>
    <Property Id="ARPCOMMENTS"
              Value="Free software under the GNU General Public License, version 3 or later: see the licences folder beside the program."/>
    <Property Id="ARPNOMODIFY" Value="1"/>
    <Property Id="ARPNOREPAIR" Value="1"/>
{ui_properties}
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFiles64Folder">
        <Directory Id="INSTALLDIR" Name="Quorvel">
{body}
        </Directory>
      </Directory>
      <Directory Id="ProgramMenuFolder">
        <Component Id="StartMenu" Guid="*" Win64="yes">
          <Shortcut Id="StartMenuProgram" Name="Quorvel"
                    Description="Find out which minerals a plant needs to grow"
                    Target="[INSTALLDIR]quorvel.exe" WorkingDirectory="INSTALLDIR" Icon="quorvel.ico"/>
          <Shortcut Id="StartMenuGuides" Name="Quorvel teacher's guides"
                    Description="A lesson plan, questions with answers and every result, in each language"
                    Target="[{guides}]"/>
          <RegistryValue Root="HKLM" Key="Software\\Quorvel" Name="StartMenu" Type="integer"
                         Value="1" KeyPath="yes"/>
        </Component>
      </Directory>
    </Directory>
    <Feature Id="Quorvel" Level="1">
{refs}
      <ComponentRef Id="StartMenu"/>
    </Feature>
  </Product>
</Wix>
"""


def make_msi(stage, version, epoch, icon, files, out):
    # The cabinet inside keeps each file's date: all of them are the release's.
    for path in [os.path.join(stage, f) for f in files] + [icon]:
        os.utime(path, (int(epoch), int(epoch)))
    source = out + ".wxs"
    with open(source, "w", encoding="utf-8") as f:
        f.write(wxs(stage, version, icon, files))
    # wixl stamps the present time and a random package code; both are set from the release.
    clock = ["faketime", f"@{epoch}"]
    subprocess.run(clock + ["wixl", "-a", "x64", "-o", out, source], check=True)
    with open(os.path.join(stage, "licences", "GPL-3.txt"), encoding="utf-8") as f:
        licence = f.read()
    # A new package code whenever what the package holds changes: its files or its dialogs.
    digest = hashlib.sha256(repr(installer_ui.tables(licence)).encode())
    with open(icon, "rb") as f:
        digest.update(f.read())
    for path in files:
        digest.update(path.encode() + b"\0")
        with open(os.path.join(stage, path), "rb") as f:
            digest.update(f.read())
    package_code = "{" + str(uuid.uuid5(NAMESPACE, "package " + version + digest.hexdigest())).upper() + "}"
    with tempfile.TemporaryDirectory() as tables:
        subprocess.run(clock + ["msibuild", out] + installer_ui.msibuild_arguments(tables, licence)
                       + ["-s", "Quorvel", MANUFACTURER, "x64;1033", package_code], check=True)


def make_zip(stage, epoch, files, out, top):
    import time
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]  # a zip's clock starts in 1980
    with zipfile.ZipFile(out, "w", compression=zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for path in files:
            info = zipfile.ZipInfo(top + "/" + path.replace(os.sep, "/"), date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            info.create_system = 0  # as Windows writes it
            with open(os.path.join(stage, path), "rb") as f:
                z.writestr(info, f.read(), compresslevel=9)


def main(stage, version, epoch, icon, outdir):
    files = staged_files(stage)
    if "quorvel.exe" not in files:
        raise SystemExit("make_packages.py: no quorvel.exe in " + stage)
    name = f"quorvel-{version}-x64"
    make_msi(stage, version, epoch, icon, files, os.path.join(outdir, name + ".msi"))
    make_zip(stage, epoch, files, os.path.join(outdir, name + ".zip"), name)
    for suffix in (".msi", ".zip"):
        print(os.path.join(outdir, name + suffix))


if __name__ == "__main__":
    if len(sys.argv) != 6:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
