# Signs -Path with the certificate and key of a .pfx whose password is read from -PasswordFile,
# so that it appears on no command line. Run by the build's signing script on Windows.
param([string]$Pfx, [string]$PasswordFile, [string]$Timestamp, [string]$Path)
$ErrorActionPreference = 'Stop'
$password = ConvertTo-SecureString -AsPlainText -Force `
    ((Get-Content -LiteralPath $PasswordFile -Raw) -replace '[\r\n]+$', '')
$certificate = [System.Security.Cryptography.X509Certificates.X509Certificate2]::new($Pfx, $password)
$options = @{ LiteralPath = $Path; Certificate = $certificate; HashAlgorithm = 'SHA256' }
if ($Timestamp) { $options.TimestampServer = $Timestamp }
$signature = Set-AuthenticodeSignature @options
# Status is not 'Valid' for a certificate this machine does not trust yet; a signature was
# written whenever the signer is set.
if (-not $signature.SignerCertificate) {
    Write-Error "not signed: $($signature.StatusMessage)"
    exit 1
}
