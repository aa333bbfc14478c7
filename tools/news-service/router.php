<?php
// Router for PHP's built-in server: the news scripts answer under any folder, so every tier's
// news base URL (/master/, /platinum/, /gold/ in the sample brand) reaches this one service.
// Everything else is served from the document root as usual.
$name = basename(parse_url($_SERVER['REQUEST_URI'], PHP_URL_PATH) ?? '');
if ($name === 'getlastnews.php' || $name === 'getnewsdetails.php') {
    require __DIR__ . '/' . $name;
    return true;
}
return false;
