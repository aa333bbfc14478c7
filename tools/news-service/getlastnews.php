<?php
// conttype "all": every news item, newest first; "lastcode": the newest item's id and title.
require __DIR__ . '/newsdata.php';

header('Content-Type: text/plain; charset=ISO-8859-1');
$items = news_checked_request();
if (($_POST['conttype'] ?? '') === 'lastcode') {
    echo $items ? $items[0]['id'] . '^' . $items[0]['title'] . REPLY_END : 'OK';
    exit;
}
$reply = '';
foreach ($items as $item) {
    $reply .= news_line($item) . "\xAF";
}
echo $reply . 'OK';
