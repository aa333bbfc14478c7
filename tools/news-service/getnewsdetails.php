<?php
// The HTML text of one news item, dollar-hex escaped.
require __DIR__ . '/newsdata.php';

header('Content-Type: text/plain; charset=ISO-8859-1');
$items = news_checked_request();
$wanted = $_POST['newsid'] ?? '';
foreach ($items as $item) {
    if ((string)$item['id'] === $wanted) {
        echo news_escape($item['body']) . REPLY_END;
        exit;
    }
}
news_fail('INVALIDNEWS');
