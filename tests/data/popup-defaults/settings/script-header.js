//Unique popup cooke name... 
//must begin with a letter, then letters, digits or underscores
Cookie_unique = 'Cookie_ID_#';

image_width = 200;
image_height= 200;

// Path = "sc/";
Path = "offer%20page.popup/";

// close_points = '10, 10, 10, 10, 10, 10, 10, 10';
// click_points = '10, 10, 10, 10, 10, 10, 10, 10';
close_points = '158, 42, 158, 8, 192, 8, 192, 42';
click_points = '0, 199, 0, 0, 199, 0, 199, 199';


// Auto Hide

// need_hide = '<script>timeHided(5000)</script>'
// need_hide = ''
need_hide = '<script>timeHided(10000)</script>';


// Where to open window

// target = "_self";
// target = "_blank";
target = "_blank";


// Action for Click

// action = "HREF='http://www.example.com/'";
// action = "HREF='#1' onClick='close_up();'";
action = "HREF='#1' onClick='close_up();'";


// How many times to open

// openhow="<script>timeHide()</script>";
// openhow="";
openhow="";


// Popup position

// position = "width:100%;  top:50%;";
// position = "left: 100px;  top: 100px;";
position = "left: 20px;  top: -35px;";
